#include "core/RisingRateSavings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>

namespace zolt {
namespace {

RisingRateInputs Plain(double amount, double perYear, double rate, double years) {
    RisingRateInputs in;
    in.amount = amount;
    in.paymentsPerYear = perYear;
    in.baseRate = rate;
    in.years = years;
    return in;
}

struct GrowthCase {
    const char* name;
    double amount;
    double perYear;
    double rate;
    double years;
    std::size_t rows;
};

class RisingRateGrowthTest : public ::testing::TestWithParam<GrowthCase> {};

// Without steps the balance is plain compound growth: A × (1 + r / (100 m))^(periods).
TEST_P(RisingRateGrowthTest, WithoutStepsIsCompoundGrowth) {
    const GrowthCase& c = GetParam();
    const RisingRateResult r = ComputeRisingRate(Plain(c.amount, c.perYear, c.rate, c.years));
    ASSERT_TRUE(r.ok());
    const double periods = std::floor(c.perYear * c.years);
    const double expected = c.amount * std::pow(1 + c.rate / (100 * c.perYear), periods);
    EXPECT_NEAR(r.endAmount, expected, 1e-9 * std::abs(expected) + 1e-12);
    EXPECT_NEAR(r.interest, expected - c.amount, 1e-9 * std::abs(expected) + 1e-12);
    ASSERT_EQ(r.years.size(), c.rows);
    for (std::size_t y = 0; y < r.years.size(); ++y) {
        const double start = c.amount * std::pow(1 + c.rate / (100 * c.perYear), c.perYear * static_cast<double>(y));
        EXPECT_NEAR(r.years[y].StartCapital(), start, 1e-9 * std::abs(start) + 1e-12) << "year " << y + 1;
        const double effective = 100 * (std::pow(1 + c.rate / (100 * c.perYear), c.perYear) - 1);
        if (c.amount != 0) {
            EXPECT_NEAR(r.years[y].EffectiveRate(), effective, 1e-9) << "year " << y + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Growth, RisingRateGrowthTest,
    ::testing::Values(GrowthCase{"YearlyTwoPercent", 1000, 1, 2, 3, 3}, GrowthCase{"MonthlySix", 1000, 12, 6, 1, 1},
                      GrowthCase{"QuarterlyLong", 25000, 4, 3.75, 40, 40},
                      GrowthCase{"HalfYearLeftOver", 1000, 12, 6, 1.5, 1},  // 18 periods, one full year
                      GrowthCase{"TermZero", 1000, 12, 6, 0, 0}, GrowthCase{"NoCredits", 1000, 0, 6, 10, 0},
                      GrowthCase{"BelowOnePeriod", 1000, 1, 6, 0.5, 0},
                      GrowthCase{"NothingInvested", 0, 4, 5, 2, 2},
                      GrowthCase{"NegativeAmount", -500, 2, 4, 2, 2}),
    [](const ::testing::TestParamInfo<GrowthCase>& row) { return std::string(row.param.name); });

struct StepCase {
    const char* name;
    std::array<double, kRateSteps> thresholds;
    std::array<double, kRateSteps> rates;
    double yearOneRate;  // the rate that must apply to the single yearly period
};

class RisingRateStepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(RisingRateStepTest, HighestValidStepWins) {
    const StepCase& c = GetParam();
    RisingRateInputs in = Plain(1000, 1, 1, 1);
    in.thresholds = c.thresholds;
    in.stepRates = c.rates;
    const RisingRateResult r = ComputeRisingRate(in);
    ASSERT_TRUE(r.ok());
    EXPECT_NEAR(r.endAmount, 1000 * (1 + c.yearOneRate / 100), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, RisingRateStepTest,
    ::testing::Values(
        StepCase{"NoThresholdsBaseRate", {0, 0, 0, 0}, {5, 6, 7, 8}, 1},
        StepCase{"FirstEqualToAmountApplies", {1000, 0, 0, 0}, {5, 6, 7, 8}, 5},
        StepCase{"FirstBelowAmountNeverApplies", {999, 0, 0, 0}, {5, 6, 7, 8}, 1},
        StepCase{"SecondNotAboveFirstIgnored", {1000, 1000, 0, 0}, {5, 6, 7, 8}, 5},
        // T1 below A is ignored for step 1, yet T2 > T1 and K ≥ T2 let step 2 apply.
        StepCase{"SecondAppliesEvenIfFirstDidNot", {500, 900, 0, 0}, {5, 6, 7, 8}, 6},
        StepCase{"HigherStepsNotYetReached", {1000, 1000.5, 1000.7, 1000.9}, {5, 6, 7, 8}, 5},
        StepCase{"AllBelowBalanceFourthWins", {1000, 1000, 1000, 1000}, {5, 6, 7, 8}, 5},
        StepCase{"FourthAboveThirdAndReached", {100, 200, 300, 400}, {5, 6, 7, 8}, 8},
        StepCase{"ThirdNotReached", {500, 1000, 2000, 0}, {5, 6, 7, 8}, 6}),
    [](const ::testing::TestParamInfo<StepCase>& row) { return std::string(row.param.name); });

struct RowCase {
    const char* name;
    int year;
    RisingRateYear row;
    std::string text;
};

class RisingRateRowTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(RisingRateRowTest, RowTextCharacterForCharacter) {
    EXPECT_EQ(RisingRateRowText(GetParam().year, GetParam().row), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RisingRateRowTest,
    ::testing::Values(
        RowCase{"ThreeDigitYear", 100, {0, 5}, "100          5,00 \u20AC       0,00 \u20AC       0,00 %          5,00 \u20AC"},
        // Interest of a million with the currency sign is 14 characters: no room, no padding.
        RowCase{"InterestWiderThanColumn", 3, {1500000, 11500000},
                "03 10.000.000,00 \u20AC1.500.000,00 \u20AC      15,00 % 11.500.000,00 \u20AC"},
        RowCase{"NegativeAmounts", 4, {-20, -1020}, "04     -1.000,00 \u20AC     -20,00 \u20AC       2,00 %     -1.020,00 \u20AC"}),
    [](const ::testing::TestParamInfo<RowCase>& row) { return std::string(row.param.name); });

struct LimitCase {
    const char* name;
    double perYear;
    double years;
    RisingRateError error;
};

class RisingRateLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(RisingRateLimitTest, PeriodCountIsBounded) {
    const LimitCase& c = GetParam();
    const auto r = ComputeRisingRate(Plain(1000, c.perYear, 5, c.years));
    EXPECT_EQ(r.error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, RisingRateLimitTest,
    ::testing::Values(LimitCase{"MillionPeriodsAccepted", 1000, 1000, RisingRateError::None},
                      LimitCase{"OneMoreRefused", 1000, 1000.001, RisingRateError::TooManyPeriods},
                      LimitCase{"HugeTermRefused", 12, 1e14, RisingRateError::TooManyPeriods},
                      LimitCase{"HugeCountRefused", 9e14, 9e14, RisingRateError::TooManyPeriods}),
    [](const ::testing::TestParamInfo<LimitCase>& row) { return std::string(row.param.name); });

TEST(RisingRateHostile, WorstAcceptedInputFinishesQuickly) {
    // One credit a year for a million years: a million periods and a million rows.
    const auto begin = std::chrono::steady_clock::now();
    const auto r = ComputeRisingRate(Plain(1000, 1, 0.05, 1'000'000));
    const auto elapsed = std::chrono::steady_clock::now() - begin;
    ASSERT_TRUE(r.ok());  // 1,0005^1e6 ≈ 1e217 stays finite, so every period runs
    EXPECT_EQ(r.years.size(), 1'000'000U);
    EXPECT_LT(std::chrono::duration<double>(elapsed).count(), 1.0);
}

TEST(RisingRateHostile, OverflowIsRefused) {
    EXPECT_EQ(ComputeRisingRate(Plain(9e14, 1, 9e14, 100)).error, RisingRateError::NotFinite);
    EXPECT_EQ(ComputeRisingRate(Plain(1e300, 1, 9e14, 1)).error, RisingRateError::NotFinite);
    // A negative rate of more than 100 % flips the sign every period and grows without bound.
    EXPECT_EQ(ComputeRisingRate(Plain(1000, 1, -9e14, 100)).error, RisingRateError::NotFinite);
}

}  // namespace
}  // namespace zolt
