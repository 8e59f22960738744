#include "core/InterestEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace zolt {
namespace {

// Relative comparison for values that come from powers.
::testing::AssertionResult Near(double actual, double expected, double relative = 1e-12) {
    const double scale = std::max(1.0, std::fabs(expected));
    if (std::fabs(actual - expected) <= relative * scale) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "actual " << actual << " expected " << expected;
}

// ---------------------------------------------------------------------------------------
// One cell: reference values from closed forms evaluated independently (by hand or by a
// spreadsheet), not from the engine.
struct CellCase {
    const char* name;
    double amount;
    double rate;  // percent per year
    double term;
    InterestCycle cycle;
    InterestKind kind;
    double expected;
};

class EndCapitalTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(EndCapitalTest, MatchesReference) {
    const CellCase& c = GetParam();
    const double r = CycleRate(c.rate, c.cycle);
    EXPECT_TRUE(Near(EndCapital(r, c.term, c.amount, c.cycle, c.kind), c.expected, 1e-9));
}

INSTANTIATE_TEST_SUITE_P(
    References, EndCapitalTest,
    ::testing::Values(
        // 1000 x 1.05^10
        CellCase{"YearlyCompound", 1000, 5, 10, InterestCycle::Yearly, InterestKind::Compound, 1628.894626777442},
        CellCase{"YearlySimple", 1000, 5, 10, InterestCycle::Yearly, InterestKind::Simple, 1500.0},
        // 1000 x 1.005^12
        CellCase{"MonthlyCompound", 1000, 6, 12, InterestCycle::Monthly, InterestKind::Compound, 1061.6778118644984},
        CellCase{"MonthlySimple", 1000, 6, 12, InterestCycle::Monthly, InterestKind::Simple, 1060.0},
        // 1000 x (1 + 3/600)^6
        CellCase{"TwoMonths", 1000, 3, 6, InterestCycle::TwoMonths, InterestKind::Compound, 1030.377509393765},
        // 1000 x 1.01^8
        CellCase{"ThreeMonths", 1000, 4, 8, InterestCycle::ThreeMonths, InterestKind::Compound, 1082.8567056280801},
        // 1000 x 1.02^3
        CellCase{"FourMonths", 1000, 6, 3, InterestCycle::FourMonths, InterestKind::Compound, 1061.208},
        // 1000 x 1.025^4
        CellCase{"SixMonths", 1000, 5, 4, InterestCycle::SixMonths, InterestKind::Compound, 1103.8128906249995},
        CellCase{"SixMonthsSimple", 1000, 5, 4, InterestCycle::SixMonths, InterestKind::Simple, 1100.0},
        // 1000 x (1 + 5 / (1200 / 0.0328767))^365; with 36500 exactly it would be 1051.2674964674472
        CellCase{"DailyLiteralConstant", 1000, 5, 365, InterestCycle::Daily, InterestKind::Compound, 1051.267476758907},
        // 100 x 1.005 x (1.005^12 - 1) / 0.005
        CellCase{"SavingsPlanWorkedExample", 100, 6, 12, InterestCycle::SavingsPlan, InterestKind::Compound,
                 1239.7240184764153},
        // sum over k = 1..12 of 100 x (1 + 8.3E-07)^k
        CellCase{"SavingsPlanZeroRate", 100, 0, 12, InterestCycle::SavingsPlan, InterestKind::Compound,
                 1200.006474019703},
        CellCase{"CompoundZeroRate", 250, 0, 40, InterestCycle::Monthly, InterestKind::Compound, 250.0},
        CellCase{"SimpleZeroRate", 250, 0, 40, InterestCycle::Yearly, InterestKind::Simple, 250.0},
        // fractional exponent: 1000 x 1.05^1.5
        CellCase{"FractionalTerm", 1000, 5, 1.5, InterestCycle::Yearly, InterestKind::Compound, 1075.929830425758}),
    [](const ::testing::TestParamInfo<CellCase>& param) { return std::string(param.param.name); });

// The savings plan for several months against a plain sum of the deposits' growth.
class SavingsPlanSumTest : public ::testing::TestWithParam<int> {};

TEST_P(SavingsPlanSumTest, EqualsSumOfDeposits) {
    const int months = GetParam();
    for (double rate : {0.5, 3.0, 7.5, 12.0, 50.0}) {
        const double q = 1.0 + rate / 1200.0;
        double sum = 0.0;
        double grow = 1.0;
        for (int k = 1; k <= months; ++k) {
            grow *= q;
            sum += 75.0 * grow;
        }
        const double cell = EndCapital(CycleRate(rate, InterestCycle::SavingsPlan), months, 75.0,
                                       InterestCycle::SavingsPlan, InterestKind::Compound);
        EXPECT_TRUE(Near(cell, sum, 1e-9)) << "rate " << rate;
    }
}

INSTANTIATE_TEST_SUITE_P(Months, SavingsPlanSumTest, ::testing::Values(1, 2, 12, 60, 360));

TEST(CycleRate, DividesByTheComputedDivisor) {
    EXPECT_DOUBLE_EQ(CycleRate(5, InterestCycle::Yearly), 0.05);
    EXPECT_DOUBLE_EQ(CycleRate(6, InterestCycle::Monthly), 0.005);
    EXPECT_DOUBLE_EQ(CycleRate(6, InterestCycle::SavingsPlan), 0.005);
    EXPECT_DOUBLE_EQ(CycleRate(6, InterestCycle::TwoMonths), 0.01);
    EXPECT_DOUBLE_EQ(CycleRate(6, InterestCycle::ThreeMonths), 0.015);
    EXPECT_DOUBLE_EQ(CycleRate(6, InterestCycle::FourMonths), 0.02);
    EXPECT_DOUBLE_EQ(CycleRate(6, InterestCycle::SixMonths), 0.03);
    // 1200 / 0.0328767 = 36500.01368750513 (not 36500)
    EXPECT_DOUBLE_EQ(CycleRate(10, InterestCycle::Daily), 10.0 / 36500.01368750513);
    EXPECT_NE(CycleRate(10, InterestCycle::Daily), 10.0 / 36500.0);
}

// ---------------------------------------------------------------------------------------
// The table.

TEST(RateTermTable, HeadersAndCountsForRates3To4) {
    const RateTermTable t = BuildRateTermTable({1000, 2, 2, 3, 4, InterestCycle::Yearly, InterestKind::Compound});
    EXPECT_EQ(t.rateCount, 11u);
    EXPECT_EQ(t.termCount, 1u);
    EXPECT_EQ(t.stride, 3u);
    EXPECT_EQ(t.cells.size(), 13u * 3u);
    EXPECT_EQ(t.Term(1), 2.0);
    // Each header is the decimal value itself (3.3, not the 3.3000000000000003 that adding
    // 0.1 three times gives).
    for (std::size_t i = 1; i <= 11; ++i) {
        const std::string decimal = std::to_string(3 + (i - 1) / 10) + "." + std::to_string((i - 1) % 10);
        EXPECT_EQ(t.Rate(i), std::stod(decimal)) << decimal;
    }
    // spare row and column stay empty
    EXPECT_EQ(t.At(12, 1), 0.0);
    EXPECT_EQ(t.At(5, 2), 0.0);
}

TEST(RateTermTable, BodyCellsAreEndCapitalsOfTheirHeaders) {
    const TableInputs in{1000, 5, 10, 0, 2, InterestCycle::Monthly, InterestKind::Compound};
    const RateTermTable t = BuildRateTermTable(in);
    ASSERT_EQ(t.rateCount, 21u);
    ASSERT_EQ(t.termCount, 6u);
    for (std::size_t i = 1; i <= t.rateCount; ++i) {
        for (std::size_t j = 1; j <= t.termCount; ++j) {
            const double reference = 1000.0 * std::pow(1.0 + t.Rate(i) / 1200.0, t.Term(j));
            EXPECT_TRUE(Near(t.At(i, j), reference)) << i << "," << j;
        }
    }
    EXPECT_EQ(t.At(1, 1), 1000.0);  // 0 % row keeps the capital
    EXPECT_EQ(t.BodyOffset(), t.stride + 1);
}

TEST(RateTermTable, SavingsPlanZeroRowIsSlightlyAboveTheDeposits) {
    const RateTermTable t = BuildRateTermTable({100, 1, 24, 0, 1, InterestCycle::SavingsPlan, InterestKind::Compound});
    for (std::size_t j = 1; j <= t.termCount; ++j) {
        const double deposits = 100.0 * t.Term(j);
        EXPECT_GT(t.At(1, j), deposits);
        EXPECT_LT(t.At(1, j), deposits * 1.0001);
    }
}

TEST(RateTermTable, FractionalTermRangeStopsAtWholePart) {
    // 3 - 1.5 + 1 = 2.5 terms: columns 1.5 and 2.5
    const RateTermTable t = BuildRateTermTable({1000, 1.5, 3, 5, 5, InterestCycle::Yearly, InterestKind::Compound});
    EXPECT_EQ(t.termCountValue, 2.5);
    ASSERT_EQ(t.termCount, 2u);
    EXPECT_EQ(t.Term(1), 1.5);
    EXPECT_EQ(t.Term(2), 2.5);
    EXPECT_TRUE(Near(t.At(1, 1), 1075.929830425758));
    EXPECT_TRUE(Near(t.At(1, 2), 1129.726321947046));
}

TEST(RateTermTable, FullDailyTableSize) {
    const RateTermTable t = BuildRateTermTable({1000, 1, 3650, 0, 50, InterestCycle::Daily, InterestKind::Compound});
    EXPECT_EQ(t.rateCount, 501u);
    EXPECT_EQ(t.termCount, 3650u);
    EXPECT_EQ(t.Rate(501), 50.0);
    EXPECT_EQ(t.Term(3650), 3650.0);
    // (1 + 50 / 36500.0137)^3650
    EXPECT_TRUE(Near(t.At(501, 3650), 1000.0 * std::pow(1.0 + 50.0 / 36500.01368750513, 3650.0), 1e-12));
    EXPECT_TRUE(TableIsFinite(t));
}

// ---------------------------------------------------------------------------------------
// Limits checked before computing.
struct LimitCase {
    const char* name;
    TableInputs in;
    TableLimit expected;
};

class TableLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(TableLimitTest, Classifies) {
    const LimitCase& c = GetParam();
    EXPECT_EQ(CheckTableLimits(c.in), c.expected);
    const RateTermTable table = BuildRateTermTable(c.in);
    if (c.expected == TableLimit::Ok) {
        // what passes can be computed without leaving the double range
        EXPECT_TRUE(TableIsFinite(table));
        EXPECT_GT(table.termCount, 0u);
    } else {
        // what does not is refused, not allocated
        EXPECT_EQ(table.termCount, 0u);
        EXPECT_EQ(table.rateCount, 0u);
    }
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, TableLimitTest,
    ::testing::Values(
        LimitCase{"FullDailyTable", {1000, 1, 3650, 0, 50, InterestCycle::Daily, InterestKind::Compound}, TableLimit::Ok},
        LimitCase{"NegativeTerms", {1000, -5, 5, 0, 50, InterestCycle::Yearly, InterestKind::Compound}, TableLimit::Ok},
        LimitCase{"NegativeTermsPlan", {100, -5, 5, 0, 50, InterestCycle::SavingsPlan, InterestKind::Compound},
                  TableLimit::Ok},
        LimitCase{"TooManyDays", {1000, 1, 100000, 0, 50, InterestCycle::Daily, InterestKind::Compound},
                  TableLimit::TooManyCells},
        LimitCase{"MostTermsOneRate", {1000, 1, 100000, 1, 1, InterestCycle::Yearly, InterestKind::Simple},
                  TableLimit::Ok},
        LimitCase{"TooManyTermsOneRate", {1000, 1, 100001, 1, 1, InterestCycle::Yearly, InterestKind::Simple},
                  TableLimit::TooManyCells},
        LimitCase{"MostCells", {1000, 1, 100000, 0, 5.9, InterestCycle::Yearly, InterestKind::Simple},
                  TableLimit::Ok},
        LimitCase{"OneRateRowTooMany", {1000, 1, 100000, 0, 6, InterestCycle::Yearly, InterestKind::Simple},
                  TableLimit::TooManyCells},
        LimitCase{"HugeRangeBeforeOverflow", {1000, 1, 1e300, 1, 1, InterestCycle::Yearly, InterestKind::Compound},
                  TableLimit::TooManyCells},
        LimitCase{"PowerOverflows", {1000, 600000, 600010, 1, 50, InterestCycle::Daily, InterestKind::Compound},
                  TableLimit::OutOfRange},
        LimitCase{"ZeroPlanRowOverflows", {100, 1e9, 1e9, 0, 1, InterestCycle::SavingsPlan, InterestKind::Compound},
                  TableLimit::OutOfRange},
        LimitCase{"HugeAmount", {1.5e308, 1, 10, 1, 5, InterestCycle::Yearly, InterestKind::Compound},
                  TableLimit::OutOfRange},
        LimitCase{"HugeSimpleTerm", {1000, 1e306, 1e306, 1, 50, InterestCycle::Yearly, InterestKind::Simple},
                  TableLimit::OutOfRange},
        LimitCase{"NegativeHugeTermCompound", {1000, -1e6, -1e6, 1, 50, InterestCycle::Yearly, InterestKind::Compound},
                  TableLimit::Ok},
        LimitCase{"InfiniteAmount", {kInf, 1, 10, 1, 5, InterestCycle::Yearly, InterestKind::Compound},
                  TableLimit::InputNotFinite},
        LimitCase{"InfiniteRange", {1000, -1e308, 1e308, 1, 5, InterestCycle::Yearly, InterestKind::Compound},
                  TableLimit::InputNotFinite}),
    [](const ::testing::TestParamInfo<LimitCase>& param) { return std::string(param.param.name); });

// ---------------------------------------------------------------------------------------
// The detailed plan.

TEST(DetailPlan, YearlyCompoundEndsAtTheTableCell) {
    const DetailPlan p = BuildDetailPlan(1000, 5, 10, InterestCycle::Yearly, InterestKind::Compound);
    ASSERT_EQ(p.cycles, 10u);
    EXPECT_EQ(p.capital[0], 1000.0);
    for (std::size_t k = 1; k <= 10; ++k) {
        EXPECT_EQ(p.Label(k), static_cast<double>(k));
        EXPECT_TRUE(Near(p.shown[(k - 1) * 3 + 0], 1000.0 * std::pow(1.05, static_cast<double>(k))));
        // interest of year k: 5 % of the capital after k - 1 years
        EXPECT_TRUE(Near(p.shown[(k - 1) * 3 + 1], 50.0 * std::pow(1.05, static_cast<double>(k - 1))));
    }
    EXPECT_TRUE(Near(p.shown[9 * 3 + 0], 1628.894626777442));
    EXPECT_TRUE(Near(p.shown[9 * 3 + 2], 1628.894626777442 - 1000.0));
}

TEST(DetailPlan, SimpleInterestKeepsTheCapital) {
    const DetailPlan p = BuildDetailPlan(2000, 4, 6, InterestCycle::ThreeMonths, InterestKind::Simple);
    ASSERT_EQ(p.cycles, 6u);
    for (std::size_t k = 1; k <= 6; ++k) {
        EXPECT_EQ(p.shown[(k - 1) * 3 + 0], 2000.0);
        EXPECT_TRUE(Near(p.shown[(k - 1) * 3 + 1], 20.0));
        EXPECT_TRUE(Near(p.shown[(k - 1) * 3 + 2], 20.0 * static_cast<double>(k)));
        EXPECT_EQ(p.Label(k), 3.0 * static_cast<double>(k));
    }
}

TEST(DetailPlan, SixMonthCycleLabels) {
    const DetailPlan p = BuildDetailPlan(1000, 5, 4, InterestCycle::SixMonths, InterestKind::Compound);
    ASSERT_EQ(p.cycles, 4u);
    EXPECT_EQ(p.Label(1), 6.0);
    EXPECT_EQ(p.Label(2), 12.0);
    EXPECT_EQ(p.Label(3), 18.0);
    EXPECT_EQ(p.Label(4), 24.0);
    EXPECT_TRUE(Near(p.shown[3 * 3], 1103.8128906249995));
}

TEST(DetailPlan, DailyAndYearlyCountInUnitsOfOne) {
    EXPECT_EQ(PlanLabelFactor(InterestCycle::Daily), 1.0);
    EXPECT_EQ(PlanLabelFactor(InterestCycle::Yearly), 1.0);
    EXPECT_EQ(PlanLabelFactor(InterestCycle::TwoMonths), 2.0);
    const DetailPlan p = BuildDetailPlan(1000, 5, 365, InterestCycle::Daily, InterestKind::Compound);
    ASSERT_EQ(p.cycles, 365u);
    EXPECT_EQ(p.Label(365), 365.0);
    EXPECT_TRUE(Near(p.shown[364 * 3], 1051.267476758907, 1e-11));
}

TEST(DetailPlan, SavingsPlanMonthByMonth) {
    const double deposit = 100.0;
    const double r = 0.005;
    const DetailPlan p = BuildDetailPlan(deposit, 6, 12, InterestCycle::SavingsPlan, InterestKind::Compound);
    ASSERT_EQ(p.cycles, 12u);
    double balance = 0.0;
    double accumulated = 0.0;
    for (std::size_t k = 1; k <= 12; ++k) {
        // the month's deposit joins the balance, then the month's interest is paid on both
        const double interest = (balance + deposit) * r;
        balance = balance + deposit + interest;
        accumulated += interest;
        EXPECT_TRUE(Near(p.shown[(k - 1) * 3 + 0], balance)) << k;
        EXPECT_TRUE(Near(p.shown[(k - 1) * 3 + 1], interest, 1e-9)) << k;
        EXPECT_TRUE(Near(p.shown[(k - 1) * 3 + 2], accumulated, 1e-9)) << k;
    }
    EXPECT_TRUE(Near(p.shown[11 * 3], 1239.7240184764153));
}

TEST(DetailPlan, FractionalTermStopsAtWholePart) {
    const DetailPlan p = BuildDetailPlan(1000, 5, 2.5, InterestCycle::TwoMonths, InterestKind::Compound);
    EXPECT_EQ(p.cyclesValue, 2.5);
    EXPECT_EQ(p.cycles, 2u);
    EXPECT_EQ(p.shown.size(), 6u);
}

TEST(DetailPlan, Limits) {
    EXPECT_EQ(CheckPlanLimits(1000, 5, 3650, InterestCycle::Daily, InterestKind::Compound), PlanLimit::Ok);
    EXPECT_EQ(CheckPlanLimits(1000, 0, 5e6, InterestCycle::Daily, InterestKind::Compound), PlanLimit::TooManyRows);
    EXPECT_EQ(CheckPlanLimits(1000, 0, 100000, InterestCycle::Daily, InterestKind::Compound), PlanLimit::Ok);
    EXPECT_EQ(CheckPlanLimits(1000, 0, 100001, InterestCycle::Daily, InterestKind::Compound),
              PlanLimit::TooManyRows);
    // 1.5^5000 is beyond the double range
    EXPECT_EQ(CheckPlanLimits(1000, 50, 5000, InterestCycle::Yearly, InterestKind::Compound), PlanLimit::OutOfRange);
    EXPECT_EQ(CheckPlanLimits(1e305, 50, 100000, InterestCycle::Yearly, InterestKind::Simple), PlanLimit::OutOfRange);
    EXPECT_EQ(CheckPlanLimits(kInf, 5, 10, InterestCycle::Yearly, InterestKind::Compound), PlanLimit::InputNotFinite);
    EXPECT_EQ(CheckPlanLimits(1000, 5, -3, InterestCycle::Yearly, InterestKind::Compound), PlanLimit::Ok);
    EXPECT_EQ(BuildDetailPlan(1000, 5, -3, InterestCycle::Yearly, InterestKind::Compound).cycles, 0u);
    EXPECT_TRUE(PlanIsFinite(BuildDetailPlan(1000, 50, 3650, InterestCycle::Daily, InterestKind::Compound)));
    const DetailPlan refused = BuildDetailPlan(1000, 50, 5000, InterestCycle::Yearly, InterestKind::Compound);
    EXPECT_EQ(refused.cycles, 0u);
    EXPECT_TRUE(refused.shown.empty());
    EXPECT_EQ(BuildDetailPlan(1000, 5, 1e300, InterestCycle::Yearly, InterestKind::Compound).cycles, 0u);
}

}  // namespace
}  // namespace zolt
