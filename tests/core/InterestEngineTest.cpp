#include "core/InterestEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace zolt {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr auto kCompound = InterestKind::Compound, kSimple = InterestKind::Simple;

::testing::AssertionResult Near(double actual, double expected, double relative = 1e-12) {
    if (std::fabs(actual - expected) <= relative * std::fabs(expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "actual " << actual << " expected " << expected;
}

// One cell against closed forms evaluated independently (a short Python script).
struct CellCase {
    const char* name;
    double amount, rate, term;  // rate in percent per year
    InterestCycle cycle;
    InterestKind kind;
    double expected;
};
class EndCapitalTest : public ::testing::TestWithParam<CellCase> {};
TEST_P(EndCapitalTest, MatchesReference) {
    const CellCase& c = GetParam();
    EXPECT_TRUE(Near(EndCapital(CycleRate(c.rate, c.cycle), c.term, c.amount, c.cycle, c.kind), c.expected, 1e-9));
}
INSTANTIATE_TEST_SUITE_P(
    References, EndCapitalTest,
    ::testing::Values(
        CellCase{"YearlyCompound", 1000, 5, 10, InterestCycle::Yearly, kCompound, 1628.894626777442},   // 1.05^10
        CellCase{"YearlySimple", 1000, 5, 10, InterestCycle::Yearly, kSimple, 1500.0},
        // (1 + 5 / (1200 / 0.0328767))^365; with the divisor 36500 it would be 1051.2674964674472
        CellCase{"DailyLiteralConstant", 1000, 5, 365, InterestCycle::Daily, kCompound, 1051.267476758907},
        // 100 x 1.005 x (1.005^12 - 1) / 0.005
        CellCase{"SavingsPlan", 100, 6, 12, InterestCycle::SavingsPlan, kCompound, 1239.7240184764153},
        // sum over k = 1..12 of 100 x (1 + 8.3E-07)^k
        CellCase{"SavingsPlanZeroRate", 100, 0, 12, InterestCycle::SavingsPlan, kCompound, 1200.006474019703},
        CellCase{"FractionalTerm", 1000, 5, 1.5, InterestCycle::Yearly, kCompound, 1075.929830425758}),  // 1.05^1.5
    [](const ::testing::TestParamInfo<CellCase>& param) { return std::string(param.param.name); });

TEST(RateTermTable, HeadersBodyAndSpareCells) {
    const RateTermTable t = BuildRateTermTable({1000, 5, 10, 3, 4, InterestCycle::Monthly, kCompound});
    ASSERT_EQ(t.rateCount, 11u);
    ASSERT_EQ(t.termCount, 6u);
    EXPECT_EQ(t.cells.size(), 13u * 8u);
    EXPECT_EQ(t.BodyOffset(), t.stride + 1);
    for (std::size_t i = 1; i <= 11; ++i) {
        // the decimal value itself (3.3, not the 3.3000000000000003 of adding 0.1 three times)
        EXPECT_EQ(t.Rate(i), std::stod(std::to_string(3 + (i - 1) / 10) + "." + std::to_string((i - 1) % 10)));
        for (std::size_t j = 1; j <= 6; ++j) {
            EXPECT_EQ(t.Term(j), 4.0 + static_cast<double>(j));
            EXPECT_TRUE(Near(t.At(i, j), 1000.0 * std::pow(1.0 + t.Rate(i) / 1200.0, t.Term(j)))) << i << "," << j;
        }
        EXPECT_EQ(t.At(i, 7), 0.0);  // the spare column
    }
    // 3 - 1.5 + 1 = 2.5 terms: columns 1.5 and 2.5; 1000 x 1.05^2.5
    const RateTermTable f = BuildRateTermTable({1000, 1.5, 3, 5, 5, InterestCycle::Yearly, kCompound});
    EXPECT_EQ(f.termCountValue, 2.5);
    ASSERT_EQ(f.termCount, 2u);
    EXPECT_TRUE(Near(f.At(1, 2), 1129.726321947046));
}

// Limits checked before computing; a table beyond them is not allocated.
struct LimitCase {
    const char* name;
    TableInputs in;
    TableLimit expected;
    std::size_t terms;  // columns of a table that passes
};
class TableLimitTest : public ::testing::TestWithParam<LimitCase> {};
TEST_P(TableLimitTest, Classifies) {
    const LimitCase& c = GetParam();
    EXPECT_EQ(CheckTableLimits(c.in), c.expected);
    const RateTermTable table = BuildRateTermTable(c.in);
    EXPECT_EQ(table.termCount, c.terms);
    EXPECT_TRUE(TableIsFinite(table));
    EXPECT_EQ(table.rateCount == 0, c.expected != TableLimit::Ok);
}
constexpr auto kYearly = InterestCycle::Yearly, kDaily = InterestCycle::Daily, kPlan = InterestCycle::SavingsPlan;
INSTANTIATE_TEST_SUITE_P(
    Cases, TableLimitTest,
    ::testing::Values(
        LimitCase{"FullDailyTable", {1000, 1, 3650, 0, 50, kDaily, kCompound}, TableLimit::Ok, 3650},
        LimitCase{"LessThanOneTerm", {1000, 5, 4.5, 1, 2, kYearly, kCompound}, TableLimit::Ok, 0},
        LimitCase{"TooManyDays", {1000, 1, 100000, 0, 50, kDaily, kCompound}, TableLimit::TooManyCells, 0},
        LimitCase{"MostTermsOneRate", {1000, 1, 100000, 1, 1, kYearly, kSimple}, TableLimit::Ok, 100000},
        LimitCase{"TooManyTermsOneRate", {1000, 1, 100001, 1, 1, kYearly, kSimple}, TableLimit::TooManyCells, 0},
        LimitCase{"MostCellsFractionalRates", {1000, 1, 100000, 0, 5.95, kYearly, kSimple}, TableLimit::Ok, 100000},
        LimitCase{"OneRateRowTooMany", {1000, 1, 100000, 0, 6, kYearly, kSimple}, TableLimit::TooManyCells, 0},
        LimitCase{"PowerOverflows", {1000, 600000, 600010, 1, 50, kDaily, kCompound}, TableLimit::OutOfRange, 0},
        LimitCase{"LastTermOverflows", {1000, 1, 2000, 50, 50, kYearly, kCompound}, TableLimit::OutOfRange, 0},
        LimitCase{"ZeroPlanRowOverflows", {100, 1e9, 1e9, 0, 1, kPlan, kCompound}, TableLimit::OutOfRange, 0},
        LimitCase{"InfiniteAmount", {kInf, 1, 10, 1, 5, kYearly, kCompound}, TableLimit::InputNotFinite, 0},
        LimitCase{"InfiniteRange", {1000, -1e308, 1e308, 1, 5, kYearly, kCompound}, TableLimit::InputNotFinite, 0}),
    [](const ::testing::TestParamInfo<LimitCase>& param) { return std::string(param.param.name); });

// ---------------------------------------------------------------------------------------
// The detailed plan: row k shows its label, the capital, the interest of the cycle and the
// interest so far (in the savings plan the month's interest without its deposit).

struct PlanRowCase {
    const char* name;
    double amount, rate, term;
    InterestCycle cycle;
    InterestKind kind;
    std::size_t cycles, k;
    double label, capital, interest, accumulated;
};
class DetailPlanRows : public ::testing::TestWithParam<PlanRowCase> {};
TEST_P(DetailPlanRows, MatchReference) {
    const PlanRowCase& c = GetParam();
    const DetailPlan p = BuildDetailPlan(c.amount, c.rate, c.term, c.cycle, c.kind);
    ASSERT_EQ(p.cycles, c.cycles);
    ASSERT_EQ(p.shown.size(), c.cycles * DetailPlan::kShownColumns);
    EXPECT_EQ(p.Label(c.k), c.label);
    EXPECT_TRUE(Near(p.shown[(c.k - 1) * 3], c.capital));
    EXPECT_TRUE(Near(p.shown[(c.k - 1) * 3 + 1], c.interest, 1e-11));
    EXPECT_TRUE(Near(p.shown[(c.k - 1) * 3 + 2], c.accumulated, 1e-11));
}
constexpr auto kTwoMonths = InterestCycle::TwoMonths;
INSTANTIATE_TEST_SUITE_P(
    Rows, DetailPlanRows,
    ::testing::Values(
        // the last row ends at the table's cell; interest of year 10 = 1000 x 1.05^9 x 0.05
        PlanRowCase{"YearlyLast", 1000, 5, 10, kYearly, kCompound, 10, 10, 10, 1628.894626777442, 77.56641079892582,
                    628.894626777442},
        PlanRowCase{"SimpleKeepsCapital", 2000, 4, 6, InterestCycle::ThreeMonths, kSimple, 6, 6, 18, 2000, 20, 120},
        PlanRowCase{"DailyCountsDays", 1000, 5, 365, kDaily, kCompound, 365, 365, 365, 1051.267476758907,
                    0.14398946481134084, 51.26747675890692},
        PlanRowCase{"FractionalTerm", 1000, 5, 2.5, kTwoMonths, kCompound, 2, 2, 4, 1016.7361111111111, 8.402777777777777,
                    16.736111111111086},
        // deposits of 100 at 0,5 % a month: month 2 holds (100.5 + 100) x 1.005
        PlanRowCase{"SavingsPlanFirst", 100, 6, 12, kPlan, kCompound, 12, 1, 1, 100.5, 0.5, 0.5},
        PlanRowCase{"SavingsPlanSecond", 100, 6, 12, kPlan, kCompound, 12, 2, 2, 201.5025, 1.0025, 1.5025},
        PlanRowCase{"SavingsPlanLast", 100, 6, 12, kPlan, kCompound, 12, 12, 12, 1239.7240184764153,
                    6.1677811864499565, 39.72401847641527},
        // without the table's substitute rate: the plan sums the deposits
        PlanRowCase{"SavingsPlanZeroRate", 100, 0, 12, kPlan, kCompound, 12, 3, 3, 300, 0, 0}),
    [](const ::testing::TestParamInfo<PlanRowCase>& param) { return std::string(param.param.name); });

TEST(DetailPlan, Limits) {
    EXPECT_EQ(CheckPlanLimits(1000, 0, 100000, kDaily, kCompound), PlanLimit::Ok);
    EXPECT_EQ(CheckPlanLimits(1000, 0, 100001, kDaily, kCompound), PlanLimit::TooManyRows);
    // 1.5^5000 and (1 + 50/1200)^20000 are beyond the double range; so is 1e305 x 50 % x 100 000
    EXPECT_EQ(CheckPlanLimits(1000, 50, 20000, kPlan, kCompound), PlanLimit::OutOfRange);
    EXPECT_EQ(CheckPlanLimits(1e305, 50, 100000, kYearly, kSimple), PlanLimit::OutOfRange);
    // a 0 % savings plan sums the deposits: 1e304 x 100 000 is beyond the range
    EXPECT_EQ(CheckPlanLimits(1e304, 0, 100000, kPlan, kCompound), PlanLimit::OutOfRange);
    EXPECT_EQ(CheckPlanLimits(1e300, 0, 100000, kPlan, kCompound), PlanLimit::Ok);
    // at 0 % a lump sum keeps its value however long; one year at 100 % already doubles 1e308
    EXPECT_EQ(CheckPlanLimits(1e305, 0, 100000, kYearly, kCompound), PlanLimit::Ok);
    EXPECT_EQ(CheckPlanLimits(1e308, 100, 1, kYearly, kCompound), PlanLimit::OutOfRange);
    // the savings plan compounds whatever kind the table was: refused before it is built
    EXPECT_EQ(CheckPlanLimits(1000, 50, 20000, kPlan, kSimple), PlanLimit::OutOfRange);
    EXPECT_EQ(CheckPlanLimits(1e304, 0, 100000, kPlan, kSimple), PlanLimit::OutOfRange);
    EXPECT_EQ(CheckPlanLimits(kInf, 5, 10, kYearly, kCompound), PlanLimit::InputNotFinite);
    EXPECT_EQ(CheckPlanLimits(1000, 5, -3, kYearly, kCompound), PlanLimit::Ok);
    EXPECT_TRUE(PlanIsFinite(BuildDetailPlan(1000, 50, 3650, kDaily, kCompound)));
    const DetailPlan refused = BuildDetailPlan(1000, 50, 5000, kYearly, kCompound);
    EXPECT_EQ(refused.cycles, 0u);
    EXPECT_EQ(refused.capital.size(), 1u);
    EXPECT_TRUE(refused.shown.empty());
}

}  // namespace
}  // namespace zolt
