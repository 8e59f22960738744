#include "core/RisingRateSavings.h"

#include <cmath>

#include "core/TextRows.h"

namespace zolt {

double RisingRateYear::EffectiveRate() const {
    const double start = StartCapital();
    return start == 0 ? 0.0 : 100 * interest / start;
}

namespace {

double PeriodRate(const RisingRateInputs& in, double capital) {
    const auto& t = in.thresholds;
    const auto& r = in.stepRates;
    double rate = in.baseRate;
    if (capital >= t[0] && t[0] >= in.amount) rate = r[0];
    if (capital >= t[1] && t[1] > t[0]) rate = r[1];
    if (capital >= t[2] && t[2] > t[1]) rate = r[2];
    if (capital >= t[3] && t[3] > t[2]) rate = r[3];
    return rate;
}

bool RowIsFinite(const RisingRateYear& row) {
    return std::isfinite(row.interest) && std::isfinite(row.endCapital) && std::isfinite(row.StartCapital()) &&
           std::isfinite(row.EffectiveRate());
}

}  // namespace

RisingRateResult ComputeRisingRate(const RisingRateInputs& in) {
    const double periods = in.paymentsPerYear * in.years;
    if (!std::isfinite(periods) || periods > kMaxRisingRatePeriods) return {.error = RisingRateError::TooManyPeriods};

    RisingRateResult out;
    const double m = in.paymentsPerYear;
    double capital = in.amount;
    double yearInterest = 0;
    // periods ≤ kMaxRisingRatePeriods, so the counter is exact and the loop bounded.
    for (double i = 1; i <= periods; ++i) {
        const double interest = capital * PeriodRate(in, capital) / (m * 100);
        capital += interest;
        yearInterest += interest;
        if (!std::isfinite(capital)) return {.error = RisingRateError::NotFinite};
        const double yearsSoFar = i / m;
        if (yearsSoFar == std::floor(yearsSoFar)) {
            out.years.push_back({yearInterest, capital});
            if (!RowIsFinite(out.years.back())) return {.error = RisingRateError::NotFinite};
            yearInterest = 0;
        }
    }
    out.endAmount = capital;
    out.interest = capital - in.amount;
    if (!std::isfinite(out.endAmount) || !std::isfinite(out.interest)) return {.error = RisingRateError::NotFinite};
    return out;
}

std::string RisingRateRowText(int year, const RisingRateYear& row, const RegionalSettings& region) {
    return TextRow()
        .Cell(FormatNumber(year, "00", region))
        .Right(FormatNumber(row.StartCapital(), "Currency", region), 16)
        .Right(FormatNumber(row.interest, "Currency", region), 13)
        .Right(FormatNumber(row.EffectiveRate(), "#0.00", region), 11)
        .Cell(" %")
        .Right(FormatNumber(row.endCapital, "Currency", region), 16)
        .Text();
}

}  // namespace zolt
