#include "core/InterestRate.h"

#include <cmath>

namespace zolt {

InterestRateResult RequiredInterestRate(const InterestRateInputs& in) {
    InterestRateResult result;
    result.endBelowStart = in.endCapital < in.startCapital;
    if (in.startCapital == 0) {
        result.refusal = InterestRateRefusal::ZeroStartCapital;
        return result;
    }
    if (in.years == 0) {
        result.refusal = InterestRateRefusal::ZeroYears;
        return result;
    }
    const double ratio = in.endCapital / in.startCapital;
    const double exponent = 1.0 / in.years;
    // pow of a negative base is only defined for whole exponents (n = 1, 1/2, 1/3, ...).
    if (ratio < 0 && exponent != std::trunc(exponent)) {
        result.refusal = InterestRateRefusal::NegativeRatioFraction;
        return result;
    }
    const double rate = 100.0 * (std::pow(ratio, exponent) - 1.0);
    if (!std::isfinite(ratio) || !std::isfinite(exponent) || !std::isfinite(rate)) {
        result.refusal = InterestRateRefusal::NotFinite;
        return result;
    }
    result.ratePercent = rate;
    return result;
}

}  // namespace zolt
