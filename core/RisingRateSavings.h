#pragma once
// Savings whose nominal rate rises in steps as the balance grows ("Plussparen"): a base
// rate until the balance reaches the first threshold, then the step rates, interest
// credited m times a year and compounded; one table row per closed year.

#include <array>
#include <string>
#include <vector>

#include "core/NumberRules.h"

namespace zolt {

constexpr int kRateSteps = 4;
// The period count m × n is bounded so that the worst accepted input finishes quickly:
// a million periods take a few milliseconds and at most a million rows of 16 bytes.
constexpr double kMaxRisingRatePeriods = 1'000'000;

struct RisingRateInputs {
    double amount = 0;           // A
    double paymentsPerYear = 0;  // m, interest credits per year
    double years = 0;            // n
    double baseRate = 0;         // r0, percent per year
    std::array<double, kRateSteps> thresholds{};  // T1..T4; an unused step is 0
    std::array<double, kRateSteps> stepRates{};   // r1..r4
};

// One closed year, taken at the moment it closes.
struct RisingRateYear {
    double interest = 0;    // S, credited during the year
    double endCapital = 0;  // K
    double StartCapital() const { return endCapital - interest; }
    // 100 × S / (K − S); a year that starts with nothing earns nothing, so 0 then.
    double EffectiveRate() const;
};

enum class RisingRateError {
    None,
    TooManyPeriods,  // m × n above kMaxRisingRatePeriods
    NotFinite,       // the balance or a row left the double range
};

struct RisingRateResult {
    RisingRateError error = RisingRateError::None;
    std::vector<RisingRateYear> years{};  // year Y is years[Y - 1]
    double endAmount = 0;               // K after the last period
    double interest = 0;                // K − A
    bool ok() const { return error == RisingRateError::None; }
};

// For i = 1 .. m × n: rate = r0; then each step whose test holds overrides the earlier
// ones (K ≥ T1 and T1 ≥ A; K ≥ T2 and T2 > T1; K ≥ T3 and T3 > T2; K ≥ T4 and T4 > T3);
// Z = K × rate / (m × 100); K += Z; S += Z; when i / m is whole, the year closes.
// Periods after the last full year count in the end amount but give no row.
RisingRateResult ComputeRisingRate(const RisingRateInputs& in);

// The list row of year (1-based): "00" year, then start capital, interest, effective rate
// with " %" and end capital, right-aligned in 16, 13, 11 and 16 characters.
std::string RisingRateRowText(int year, const RisingRateYear& row, const RegionalSettings& region = {});

}  // namespace zolt
