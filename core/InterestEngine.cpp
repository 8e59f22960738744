#include "core/InterestEngine.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "core/VectorUnit.h"

namespace zolt {

double TermCountOf(const TableInputs& in) { return in.termMax - in.termMin + 1.0; }

double RateCountOf(const TableInputs& in) { return (in.rateMax - in.rateMin) * 10.0 + 1.0; }

std::size_t WholeCount(double count) {
    constexpr double kLargest = 9.0e15;  // whole numbers up to here convert exactly
    if (!(count >= 1.0)) return 0;       // also NaN
    return static_cast<std::size_t>(std::floor(std::min(count, kLargest)));
}

RateTermTable BuildRateTermTable(const TableInputs& in) {
    RateTermTable table;
    table.termCountValue = TermCountOf(in);
    table.rateCountValue = RateCountOf(in);
    // A table beyond the limits is never allocated, whoever calls.
    if (CheckTableLimits(in) != TableLimit::Ok) return table;
    table.termCount = WholeCount(table.termCountValue);
    table.rateCount = WholeCount(table.rateCountValue);
    table.stride = table.termCount + 2;
    table.cells.assign((table.rateCount + 2) * table.stride, 0.0);

    double* const cells = table.cells.data();
    const std::size_t stride = table.stride;

    // Counters run as doubles up to the count inclusive, so a fractional count stops at its
    // whole part. The rates are computed by division each time: repeated addition of 0.1
    // would drift (3 + 0.1 + ... is not 3.3 after three steps).
    std::size_t j = 1;
    for (double jj = 1.0; jj <= table.termCountValue; jj += 1.0, ++j) {
        cells[j] = in.termMin + (jj - 1.0);
    }
    std::size_t i = 1;
    for (double ii = 1.0; ii <= table.rateCountValue; ii += 1.0, ++i) {
        cells[i * stride] = in.rateMin + (ii - 1.0) / 10.0;
    }

    ClearUpperVectorState();
    const double k = in.baseAmount;
    const double* const terms = cells + 1;
    for (std::size_t row = 1; row <= table.rateCount; ++row) {
        const double r = CycleRate(cells[row * stride], in.cycle);
        double* const out = cells + row * stride + 1;
        for (std::size_t col = 0; col < table.termCount; ++col) {
            out[col] = EndCapital(r, terms[col], k, in.cycle, in.kind);
        }
    }
    return table;
}

TableLimit CheckTableLimits(const TableInputs& in) {
    for (double v : {in.baseAmount, in.termMin, in.termMax, in.rateMin, in.rateMax}) {
        if (!std::isfinite(v)) return TableLimit::InputNotFinite;
    }
    const double terms = TermCountOf(in);
    const double rates = RateCountOf(in);
    if (!std::isfinite(terms) || !std::isfinite(rates)) return TableLimit::InputNotFinite;
    const double wholeTerms = std::floor(std::max(terms, 0.0));
    const double wholeRates = std::floor(std::max(rates, 0.0));
    if (wholeTerms > kMaxTableTerms || wholeTerms * wholeRates > kMaxTableCells) {
        return TableLimit::TooManyCells;
    }
    if (wholeTerms < 1.0 || wholeRates < 1.0) return TableLimit::Ok;  // nothing to compute

    // Every formula grows in magnitude with the rate and with the size of the term, so the
    // largest values sit in the corners of the table: checking those four suffices.
    const double lastRate = in.rateMin + (wholeRates - 1.0) / 10.0;
    const double lastTerm = in.termMin + (wholeTerms - 1.0);
    for (double rate : {in.rateMin, lastRate}) {
        const double r = CycleRate(rate, in.cycle);
        for (double n : {in.termMin, lastTerm}) {
            if (!std::isfinite(EndCapital(r, n, in.baseAmount, in.cycle, in.kind))) {
                return TableLimit::OutOfRange;
            }
        }
    }
    return TableLimit::Ok;
}

bool TableIsFinite(const RateTermTable& table) {
    return std::all_of(table.cells.begin(), table.cells.end(), [](double v) { return std::isfinite(v); });
}

double PlanLabelFactor(InterestCycle cycle) {
    if (cycle == InterestCycle::Yearly || cycle == InterestCycle::Daily) return 1.0;
    return MonthsPerCycle(cycle);
}

PlanLimit CheckPlanLimits(double baseAmount, double ratePercent, double term, InterestCycle cycle,
                          InterestKind kind) {
    for (double v : {baseAmount, ratePercent, term}) {
        if (!std::isfinite(v)) return PlanLimit::InputNotFinite;
    }
    if (term > kMaxPlanRows) return PlanLimit::TooManyRows;
    if (term < 1.0) return PlanLimit::Ok;
    const double r = CycleRate(ratePercent, cycle);
    const double n = std::floor(term);
    // The plan's last capital is the table's end capital (without the 0 % substitute); the
    // accumulated interest stays below it. A savings plan always compounds, as its plan does.
    const bool savingsPlan = cycle == InterestCycle::SavingsPlan;
    const double last = !savingsPlan ? EndCapital(r, n, baseAmount, cycle, kind)
                        : r != 0.0   ? EndCapital(r, n, baseAmount, cycle, InterestKind::Compound)
                                     : baseAmount * n;
    if (!std::isfinite(last) || !std::isfinite(baseAmount * r * n)) return PlanLimit::OutOfRange;
    return PlanLimit::Ok;
}

DetailPlan BuildDetailPlan(double baseAmount, double ratePercent, double term, InterestCycle cycle,
                           InterestKind kind) {
    DetailPlan plan;
    const double r = CycleRate(ratePercent, cycle);
    const double m = PlanLabelFactor(cycle);
    plan.labelFactor = m;
    if (CheckPlanLimits(baseAmount, ratePercent, term, cycle, kind) != PlanLimit::Ok) {
        plan.capital.assign(1, baseAmount);
        plan.cycleInterest.assign(1, 0.0);
        return plan;
    }
    // N periods of m months make C = N / m cycles; C equals the term.
    const double periods = cycle == InterestCycle::Yearly ? term : m * term;
    plan.cyclesValue = periods / m;
    plan.cycles = WholeCount(plan.cyclesValue);

    const std::size_t rows = plan.cycles + 1;
    plan.capital.assign(rows, 0.0);
    plan.cycleInterest.assign(rows, 0.0);
    plan.shown.assign(plan.cycles * DetailPlan::kShownColumns, 0.0);

    const bool savingsPlan = cycle == InterestCycle::SavingsPlan;
    const bool simple = kind == InterestKind::Simple && !savingsPlan;
    plan.capital[0] = baseAmount;
    double accumulated = 0.0;
    std::size_t k = 1;
    for (double kk = 1.0; kk <= plan.cyclesValue; kk += 1.0, ++k) {
        double interest = 0.0;
        if (savingsPlan) {
            // Capital(1) counts as 0 until it is computed: adding it later brings in the
            // month's deposit with its interest, (Capital(k-1) + K) x (1 + r) in all.
            const double firstCapital = k == 1 ? 0.0 : plan.capital[1];
            interest = plan.capital[k - 1] * r + firstCapital;
        } else {
            interest = plan.capital[k - 1] * r;
        }
        plan.cycleInterest[k] = interest;
        plan.capital[k] = simple ? plan.capital[k - 1] : plan.capital[k - 1] + interest;

        // The savings plan's column shows the interest of the month alone: take out the
        // deposit that CycleInterest carries from the second month on.
        const double shownInterest = savingsPlan ? interest - (k == 1 ? 0.0 : baseAmount) : interest;
        accumulated += shownInterest;
        double* const out = plan.shown.data() + (k - 1) * DetailPlan::kShownColumns;
        out[0] = plan.capital[k];
        out[1] = shownInterest;
        out[2] = accumulated;
    }
    return plan;
}

bool PlanIsFinite(const DetailPlan& plan) {
    auto finite = [](double v) { return std::isfinite(v); };
    return std::all_of(plan.capital.begin(), plan.capital.end(), finite) &&
           std::all_of(plan.cycleInterest.begin(), plan.cycleInterest.end(), finite) &&
           std::all_of(plan.shown.begin(), plan.shown.end(), finite);
}

}  // namespace zolt
