#include "core/RisingRateSavings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>

namespace zolt {
namespace {

RisingRateInputs Plain(double amount, double perYear, double rate, double years) {
    return {amount, perYear, years, rate, {}, {}};
}

template <typename Row>
std::string RowName(const ::testing::TestParamInfo<Row>& row) { return row.param.name; }

struct GrowthCase { const char* name; double amount, perYear, rate, years; std::size_t rows; };

class RisingRateGrowthTest : public ::testing::TestWithParam<GrowthCase> {};

// Without steps the balance is plain compound growth: A × (1 + r / (100 m))^(periods), and
// every closed year earns the effective rate (1 + r / (100 m))^m − 1.
TEST_P(RisingRateGrowthTest, WithoutStepsIsCompoundGrowth) {
    const GrowthCase& c = GetParam();
    const RisingRateResult r = ComputeRisingRate(Plain(c.amount, c.perYear, c.rate, c.years));
    ASSERT_TRUE(r.ok());
    const double q = 1 + c.rate / (100 * c.perYear);
    const double expected = c.amount * std::pow(q, std::floor(c.perYear * c.years));
    EXPECT_NEAR(r.endAmount, expected, 1e-9 * std::abs(expected) + 1e-12);
    EXPECT_NEAR(r.interest, expected - c.amount, 1e-9 * std::abs(expected) + 1e-12);
    ASSERT_EQ(r.years.size(), c.rows);
    for (std::size_t y = 0; y < r.years.size(); ++y) {
        const double start = c.amount * std::pow(q, c.perYear * static_cast<double>(y));
        EXPECT_NEAR(r.years[y].StartCapital(), start, 1e-9 * std::abs(start) + 1e-12) << "year " << y + 1;
        const double effective = c.amount == 0 ? 0 : 100 * (std::pow(q, c.perYear) - 1);
        EXPECT_NEAR(r.years[y].EffectiveRate(), effective, 1e-9) << "year " << y + 1;
    }
}

// 1.000 at 2 % once a year for 3 years ends at 1.061,21; monthly at 6 % a year earns 6,17 %.
const GrowthCase kGrowthCases[] = {
    {"YearlyTwoPercent", 1000, 1, 2, 3, 3}, {"MonthlySix", 1000, 12, 6, 1, 1}, {"QuarterlyLong", 25000, 4, 3.75, 40, 40},
    {"HalfYearLeftOver", 1000, 12, 6, 1.5, 1}, {"TermZero", 1000, 12, 6, 0, 0}, {"NoCredits", 1000, 0, 6, 10, 0},
    {"BelowOnePeriod", 1000, 1, 6, 0.5, 0},   {"NothingInvested", 0, 4, 5, 2, 2}, {"NegativeAmount", -500, 2, 4, 2, 2},
};

INSTANTIATE_TEST_SUITE_P(Growth, RisingRateGrowthTest, ::testing::ValuesIn(kGrowthCases), RowName<GrowthCase>);

struct StepCase { const char* name; std::array<double, kRateSteps> thresholds; double yearOneRate; };

class RisingRateStepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(RisingRateStepTest, HighestValidStepWins) {
    RisingRateInputs in = Plain(1000, 1, 1, 1);
    in.thresholds = GetParam().thresholds;
    in.stepRates = {5, 6, 7, 8};
    const RisingRateResult r = ComputeRisingRate(in);
    ASSERT_TRUE(r.ok());
    EXPECT_NEAR(r.endAmount, 1000 * (1 + GetParam().yearOneRate / 100), 1e-9);
}

// SecondAppliesEvenIfFirstDidNot: T1 below A is ignored for step 1, yet T2 > T1 and K ≥ T2.
const StepCase kStepCases[] = {
    {"NoThresholdsBaseRate", {0, 0, 0, 0}, 1},           {"FirstEqualToAmountApplies", {1000, 0, 0, 0}, 5},
    {"FirstBelowAmountNeverApplies", {999, 0, 0, 0}, 1}, {"SecondNotAboveFirstIgnored", {1000, 1000, 0, 0}, 5},
    {"SecondAppliesEvenIfFirstDidNot", {500, 900, 0, 0}, 6},
    {"HigherStepsNotYetReached", {1000, 1000.5, 1000.7, 1000.9}, 5},
    {"AllEqualFirstWins", {1000, 1000, 1000, 1000}, 5},  {"FourthAboveThirdAndReached", {100, 200, 300, 400}, 8},
    {"ThirdNotReached", {500, 1000, 2000, 0}, 6},
};

INSTANTIATE_TEST_SUITE_P(Steps, RisingRateStepTest, ::testing::ValuesIn(kStepCases), RowName<StepCase>);

TEST(RisingRate, RowTextCharacterForCharacter) {
    EXPECT_EQ(RisingRateRowText(100, {0, 5}),
              "100          5,00 \u20AC       0,00 \u20AC       0,00 %          5,00 \u20AC");
    // Interest of a million with the currency sign is 14 characters: no room, no padding.
    EXPECT_EQ(RisingRateRowText(3, {1500000, 11500000}),
              "03 10.000.000,00 \u20AC1.500.000,00 \u20AC      15,00 % 11.500.000,00 \u20AC");
    EXPECT_EQ(RisingRateRowText(4, {-20, -1020}),
              "04     -1.000,00 \u20AC     -20,00 \u20AC       2,00 %     -1.020,00 \u20AC");
}

TEST(RisingRate, PeriodCountIsBoundedTheWorstAcceptedInputQuickAndOverflowRefused) {
    EXPECT_EQ(ComputeRisingRate(Plain(1000, 1000, 5, 1000.001)).error, RisingRateError::TooManyPeriods);
    EXPECT_EQ(ComputeRisingRate(Plain(1000, 12, 5, 1e14)).error, RisingRateError::TooManyPeriods);
    EXPECT_EQ(ComputeRisingRate(Plain(1000, 9e14, 5, 9e14)).error, RisingRateError::TooManyPeriods);
    EXPECT_TRUE(ComputeRisingRate(Plain(1000, 1000, 5, 1000)).ok());
    // One credit a year for a million years: a million periods and a million rows.
    const auto begin = std::chrono::steady_clock::now();
    const auto r = ComputeRisingRate(Plain(1000, 1, 0.05, 1'000'000));  // 1,0005^1e6 ≈ 1e217 stays finite
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count(), 1.0);
    EXPECT_EQ(r.years.size(), 1'000'000U);
    EXPECT_EQ(ComputeRisingRate(Plain(9e14, 1, 9e14, 100)).error, RisingRateError::NotFinite);
    EXPECT_EQ(ComputeRisingRate(Plain(1e300, 1, 9e14, 1)).error, RisingRateError::NotFinite);
    // A negative rate of more than 100 % flips the sign every period and grows without bound.
    EXPECT_EQ(ComputeRisingRate(Plain(1000, 1, -9e14, 100)).error, RisingRateError::NotFinite);
}

}  // namespace
}  // namespace zolt
