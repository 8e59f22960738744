#include "core/TargetSum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zolt {
namespace {

// The end sum that instalments reach, added up payment by payment.
double SavedUp(double instalment, double rate, int payments, PaymentTiming timing) {
    double balance = 0;
    for (int k = 0; k < payments; ++k) {
        if (timing == PaymentTiming::Beginning) balance += instalment;
        balance *= 1 + rate;
        if (timing == PaymentTiming::End) balance += instalment;
    }
    return balance;
}

struct TargetCase {
    const char* name;
    TargetSumInputs in;
    double instalment;  // known answer to the cent, or 0 where only the saved-up sum is checked
};

class TargetSumTest : public ::testing::TestWithParam<TargetCase> {};

TEST_P(TargetSumTest, InstalmentsSaveUpTheEndSum) {
    const TargetSumInputs& in = GetParam().in;
    const TargetSumResult r = ComputeTargetSum(in);
    ASSERT_TRUE(r.ok());
    if (GetParam().instalment != 0) { EXPECT_NEAR(r.instalment, GetParam().instalment, 0.005); }
    const double n = in.paymentsPerYear * in.years;
    EXPECT_NEAR(r.paidIn, r.instalment * n, 1e-9 * std::abs(r.paidIn));
    EXPECT_NEAR(r.interest, in.endSum - r.paidIn, 1e-9 * std::abs(in.endSum));
    const double i = in.rate / (in.paymentsPerYear * 100);
    if (n == std::floor(n)) {
        EXPECT_NEAR(SavedUp(r.instalment, i, static_cast<int>(n), in.timing), in.endSum, 1e-8 * std::abs(in.endSum));
    }
}

// The known instalments: 10.000 in 10 years of monthly payments at 6 % (61,02 at the end,
// 60,72 at the beginning), 1.000 in one yearly payment at 5 % (1.000,00 and 1.000 / 1,05).
constexpr auto kEnd = PaymentTiming::End;
constexpr auto kBeginning = PaymentTiming::Beginning;
const TargetCase kTargetCases[] = {
    {"MonthlyEnd", {10000, 12, 10, 6, kEnd}, 61.02},      {"MonthlyBeginning", {10000, 12, 10, 6, kBeginning}, 60.72},
    {"YearlyEnd", {1000, 1, 1, 5, kEnd}, 1000.00},        {"YearlyBeginning", {1000, 1, 1, 5, kBeginning}, 952.38},
    {"QuarterlyLong", {250000, 4, 30, 3.5, kEnd}, 0},     {"DailyTinyRate", {5000, 360, 3, 0.1, kBeginning}, 0},
    {"HalfYearTerm", {600, 12, 0.5, 2, kEnd}, 0},         {"NegativeRate", {1000, 12, 2, -1, kEnd}, 0},
    {"NegativeSum", {-1000, 12, 2, 4, kBeginning}, 0},
};

INSTANTIATE_TEST_SUITE_P(Instalments, TargetSumTest, ::testing::ValuesIn(kTargetCases),
                         [](const ::testing::TestParamInfo<TargetCase>& row) { return std::string(row.param.name); });

TEST(TargetSum, RateZeroSpreadsTheSumEvenly) {
    for (const PaymentTiming timing : {kEnd, kBeginning}) {
        const auto r = ComputeTargetSum({1000, 12, 1, 0, timing});
        ASSERT_TRUE(r.ok());
        EXPECT_DOUBLE_EQ(r.instalment, 1000.0 / 12);
        EXPECT_EQ(r.paidIn, 1000);
        EXPECT_EQ(r.interest, 0) << "no rounding remainder of either sign";
    }
    // 0,0001 % a year: the instalment must be just below E / N, not garbage from 1 + i − 1.
    const auto tiny = ComputeTargetSum({12000, 12, 10, 0.0001, kEnd});
    EXPECT_LT(tiny.instalment, 100);
    EXPECT_GT(tiny.instalment, 99.999);
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
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.instalment, 0);
    EXPECT_EQ(r.interest, 10000);
}

}  // namespace
}  // namespace zolt
