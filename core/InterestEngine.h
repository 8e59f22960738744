#pragma once
// Compound interest, simple interest and the monthly savings plan of the savings sheet:
// the table of end capitals over a range of rates and terms, and the cycle-by-cycle plan
// of one cell. Nothing is rounded here; the display masks round.

#include <cmath>
#include <cstddef>
#include <vector>

namespace zolt {

// The items of the "Zinszyklus" menu, in menu order (the value is the item's index).
enum class InterestCycle {
    Yearly = 0,
    Monthly = 1,
    TwoMonths = 2,
    ThreeMonths = 3,
    FourMonths = 4,
    SixMonths = 5,
    Daily = 6,
    SavingsPlan = 7,
};

enum class InterestKind { Compound, Simple };

// 12 / 365 to seven significant digits. A daily rate is divided by 1200 / 0.0328767 =
// 36500.0137..., not by exactly 36500: the daily end capitals follow this divisor (1000 at
// 50 % over 3650 days gives 147.905,95, where 36500 would give 147.906,23).
inline constexpr double kDailyMonths = 0.0328767;

// Stands in for a rate of 0 in the savings-plan formula, whose denominator q - 1 would
// otherwise be 0; a 0 % row therefore shows slightly more than the sum of the deposits.
inline constexpr double kZeroPlanRate = 8.3E-07;

// Months per cycle; 1 for the yearly cycle (only used for labels there).
constexpr double MonthsPerCycle(InterestCycle cycle) {
    switch (cycle) {
        case InterestCycle::Yearly: return 1.0;
        case InterestCycle::Monthly: return 1.0;
        case InterestCycle::TwoMonths: return 2.0;
        case InterestCycle::ThreeMonths: return 3.0;
        case InterestCycle::FourMonths: return 4.0;
        case InterestCycle::SixMonths: return 6.0;
        case InterestCycle::Daily: return kDailyMonths;
        case InterestCycle::SavingsPlan: return 1.0;
    }
    return 1.0;
}

// The rate of one cycle as a fraction, from the annual rate in percent. The divisor
// 1200 / months is computed first and the rate divided by it (see kDailyMonths).
constexpr double CycleRate(double ratePercent, InterestCycle cycle) {
    if (cycle == InterestCycle::Yearly) return ratePercent / 100.0;
    return ratePercent / (1200.0 / MonthsPerCycle(cycle));
}

// One table cell: the end capital after n cycles at the cycle rate r, for the start
// capital (or, in the savings plan, the monthly deposit) k.
inline double EndCapital(double r, double n, double k, InterestCycle cycle, InterestKind kind) {
    if (kind == InterestKind::Simple) return k * (1.0 + r * n);
    if (cycle == InterestCycle::SavingsPlan) {
        // A deposit at the start of each month, each earning interest from its month on:
        // k q + k q^2 + ... + k q^n = k q (q^n - 1) / (q - 1).
        if (r == 0.0) r = kZeroPlanRate;
        const double q = 1.0 + r;
        return k * q * (std::pow(q, n) - 1.0) / (q - 1.0);
    }
    return k * std::pow(1.0 + r, n);
}

struct TableInputs {
    double baseAmount = 0.0;  // start capital, or the monthly deposit of the savings plan
    double termMin = 0.0;     // in the cycle's unit: years, months, cycles or days
    double termMax = 0.0;
    double rateMin = 0.0;     // percent per year
    double rateMax = 0.0;
    InterestCycle cycle = InterestCycle::Yearly;
    InterestKind kind = InterestKind::Compound;
};

// The number of terms and rates as computed (a fractional range gives a fractional
// count) and the whole parts that the loops and the grid use.
double TermCountOf(const TableInputs& in);
double RateCountOf(const TableInputs& in);
std::size_t WholeCount(double count);

// Rates down, terms across. Cell (i, j) for i = 0 .. rateCount + 1, j = 0 .. termCount + 1,
// row-major in one flat vector; the last row and column are spare and stay 0.
// (0, j) holds the term of column j, (i, 0) the rate of row i in percent, (0, 0) is unused.
struct RateTermTable {
    double termCountValue = 0.0;  // TermMax - TermMin + 1, possibly fractional
    double rateCountValue = 0.0;  // (RateMax - RateMin) * 10 + 1
    std::size_t termCount = 0;    // whole part: the columns actually filled
    std::size_t rateCount = 0;    // whole part: the rows actually filled
    std::size_t stride = 0;       // termCount + 2
    std::vector<double> cells;

    double At(std::size_t i, std::size_t j) const { return cells[i * stride + j]; }
    double Rate(std::size_t i) const { return At(i, 0); }
    double Term(std::size_t j) const { return At(0, j); }
    // Offset of cell (1, 1): the body as a matrix of rateCount x termCount with this stride.
    std::size_t BodyOffset() const { return stride + 1; }
};

// The caller has checked the inputs (amount > 0, TermMax >= TermMin, RateMax >= RateMin)
// and CheckTableLimits; inputs beyond the limits give an empty table (no rows, no columns).
RateTermTable BuildRateTermTable(const TableInputs& in);

// Why a table is not computed. The sheet checks its fields first; these are the limits of
// what can be computed and held at all.
enum class TableLimit {
    Ok,
    InputNotFinite,  // an input beyond the double range (a field read as infinity)
    TooManyCells,    // more cells than kMaxTableCells, or more terms than kMaxTableTerms
    OutOfRange,      // some end capital would leave the double range
};

// A table costs about 8.5 bytes per cell (its doubles; the grid shows them in place) and
// about 80 bytes per term column (the view's sections). Measured peak growth of the
// process: 15 MB for 501 rates x 3650 days, 51 MB for 60 rates x 100 000 terms. These two
// limits keep every table that passes below 64 MB.
inline constexpr double kMaxTableCells = 6'000'000.0;
inline constexpr double kMaxTableTerms = 100'000.0;

TableLimit CheckTableLimits(const TableInputs& in);

// True when every cell of the table is finite (a last guard after computing).
bool TableIsFinite(const RateTermTable& table);

// The cycle-by-cycle plan of one table cell.
// Row k = 0 .. cycles; `shown` holds rows k = 1 .. cycles, three values each (row-major):
// the capital, the interest column and the accumulated interest, as the grid shows them.
struct DetailPlan {
    double labelFactor = 1.0;  // row label of row k = labelFactor x k
    double cyclesValue = 0.0;  // C, possibly fractional
    std::size_t cycles = 0;    // whole part of C
    std::vector<double> capital;        // k = 0 .. cycles
    std::vector<double> cycleInterest;  // k = 0 .. cycles (row 0 holds 0)
    std::vector<double> shown;          // cycles x 3

    static constexpr std::size_t kShownColumns = 3;
    double Label(std::size_t k) const { return labelFactor * static_cast<double>(k); }
};

// The label factor of the plan: months per cycle, 1 for the yearly and the daily cycle.
double PlanLabelFactor(InterestCycle cycle);

enum class PlanLimit { Ok, InputNotFinite, TooManyRows, OutOfRange };

// A plan row holds five doubles (40 bytes) and a row of the view (about 80 bytes):
// 100 000 cycles (273 years of days) take about 12 MB.
inline constexpr double kMaxPlanRows = 100'000.0;

// Checks before building a plan for rate p (percent) and term t.
PlanLimit CheckPlanLimits(double baseAmount, double ratePercent, double term, InterestCycle cycle,
                          InterestKind kind);

// Inputs beyond CheckPlanLimits give a plan of row 0 alone.
DetailPlan BuildDetailPlan(double baseAmount, double ratePercent, double term, InterestCycle cycle,
                           InterestKind kind);

// True when every value of the plan is finite.
bool PlanIsFinite(const DetailPlan& plan);

}  // namespace zolt
