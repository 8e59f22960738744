#include "core/TargetSum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zolt {
namespace {

constexpr auto kEnd = PaymentTiming::End;
constexpr auto kBeginning = PaymentTiming::Beginning;

struct TargetCase { const char* name; TargetSumInputs in; double instalment; };  // 0: no known answer

class TargetSumTest : public ::testing::TestWithParam<TargetCase> {};

// The instalments, added up with the interest of each period, reach the end sum.
TEST_P(TargetSumTest, InstalmentsSaveUpTheEndSum) {
    const TargetSumInputs& in = GetParam().in;
    const TargetSumResult r = ComputeTargetSum(in);
    ASSERT_TRUE(r.ok());
    if (GetParam().instalment != 0) { EXPECT_NEAR(r.instalment, GetParam().instalment, 0.005); }
    const double n = in.paymentsPerYear * in.years;
    EXPECT_NEAR(r.paidIn, r.instalment * n, 1e-9 * std::abs(r.paidIn));
    EXPECT_NEAR(r.interest, in.endSum - r.paidIn, 1e-9 * std::abs(in.endSum));
    const double i = in.rate / (in.paymentsPerYear * 100);
    double balance = 0;
    for (int k = 0; k < static_cast<int>(n); ++k) {
        balance = in.timing == kBeginning ? (balance + r.instalment) * (1 + i) : balance * (1 + i) + r.instalment;
    }
    EXPECT_NEAR(balance, in.endSum, 1e-8 * std::abs(in.endSum));
}

// 10.000 in 10 years of monthly payments at 6 % take 61,02 at the end of each month, 60,72 at
// the beginning; 1.000 in one yearly payment at 5 % take 1.000,00 or 1.000 / 1,05.
const TargetCase kTargetCases[] = {
    {"MonthlyEnd", {10000, 12, 10, 6, kEnd}, 61.02},      {"MonthlyBeginning", {10000, 12, 10, 6, kBeginning}, 60.72},
    {"YearlyEnd", {1000, 1, 1, 5, kEnd}, 1000.00},        {"YearlyBeginning", {1000, 1, 1, 5, kBeginning}, 952.38},
    {"QuarterlyLong", {250000, 4, 30, 3.5, kEnd}, 0},     {"DailyTinyRate", {5000, 360, 3, 0.1, kBeginning}, 0},
    {"HalfYearTerm", {600, 12, 0.5, 2, kEnd}, 0},         {"NegativeRate", {1000, 12, 2, -1, kEnd}, 0},
    {"NegativeSum", {-1000, 12, 2, 4, kBeginning}, 0},    {"RateZero", {1000, 12, 1, 0, kBeginning}, 83.33},
};

INSTANTIATE_TEST_SUITE_P(Instalments, TargetSumTest, ::testing::ValuesIn(kTargetCases),
                         [](const ::testing::TestParamInfo<TargetCase>& row) { return std::string(row.param.name); });

TEST(TargetSum, RateZeroLeavesNoInterestAndATinyRateStaysExact) {
    const auto zero = ComputeTargetSum({1000, 12, 1, 0, kEnd});
    EXPECT_EQ(zero.paidIn, 1000);
    EXPECT_EQ(zero.interest, 0) << "no rounding remainder of either sign";
    // 0,0001 % a year: the instalment must be just below E / N, not garbage from 1 + i − 1.
    const auto tiny = ComputeTargetSum({12000, 12, 10, 0.0001, kEnd});
    EXPECT_TRUE(tiny.instalment < 100 && tiny.instalment > 99.999) << tiny.instalment;
}

TEST(TargetSum, RefusesUndefinedInstalments) {
    for (const TargetSumInputs& in : {TargetSumInputs{1000, 0, 10, 5}, TargetSumInputs{1000, 12, 0, 5},
                                      TargetSumInputs{1000, -12, -10, 5}, TargetSumInputs{1000, NAN, 10, 5}})
        EXPECT_EQ(ComputeTargetSum(in).error, TargetSumError::NoPayments) << in.paymentsPerYear << " " << in.years;
    for (const TargetSumInputs& in : {TargetSumInputs{1000, 1, 10, -150}, TargetSumInputs{1000, 12, 1, -1200, kBeginning},
                                      TargetSumInputs{1e308, 1e-4, 1e-4, 1e14}})
        EXPECT_EQ(ComputeTargetSum(in).error, TargetSumError::NotFinite) << in.rate;
    // (1 + i)^N beyond the double range: the instalment tends to 0, which is the right limit.
    const auto r = ComputeTargetSum({10000, 1, 1e6, 15, kEnd});
    EXPECT_TRUE(r.ok() && r.instalment == 0 && r.interest == 10000);
}

}  // namespace
}  // namespace zolt
