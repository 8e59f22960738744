#pragma once
// The yearly compound rate at which a start capital grows into an end capital in n years.

namespace zolt {

struct InterestRateInputs {
    double startCapital = 0;  // K0
    double endCapital = 0;    // Kn
    double years = 0;         // n
};

enum class InterestRateRefusal {
    None,
    ZeroStartCapital,       // Kn / K0 divides by zero
    ZeroYears,              // the exponent 1 / n divides by zero
    NegativeRatioFraction,  // a negative Kn / K0 to a power that is not a whole number
    NotFinite,              // the result overflows or is undefined
};

struct InterestRateResult {
    InterestRateRefusal refusal = InterestRateRefusal::None;
    double ratePercent = 0;       // 100 * ((Kn / K0)^(1 / n) - 1)
    bool endBelowStart = false;   // Kn < K0: shown as a warning, not an error
    bool ok() const { return refusal == InterestRateRefusal::None; }
};

InterestRateResult RequiredInterestRate(const InterestRateInputs& in);

}  // namespace zolt
