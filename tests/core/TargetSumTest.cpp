#include "core/TargetSum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zolt {
namespace {

// A spreadsheet's PMT(rate; nper; pv; fv; type), the textbook closed form.
double SpreadsheetPmt(double rate, double nper, double pv, double fv, int type) {
    if (rate == 0) return -(pv + fv) / nper;
    const double growth = std::pow(1 + rate, nper);
    return -(fv + pv * growth) * rate / ((growth - 1) * (1 + rate * type));
}

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
    double endSum;
    double perYear;
    double years;
    double rate;
    PaymentTiming timing;
};

class TargetSumTest : public ::testing::TestWithParam<TargetCase> {};

TEST_P(TargetSumTest, InstalmentIsSpreadsheetPmtWithFutureValue) {
    const TargetCase& c = GetParam();
    const TargetSumResult r = ComputeTargetSum({c.endSum, c.perYear, c.years, c.rate, c.timing});
    ASSERT_TRUE(r.ok());
    const double i = c.rate / (c.perYear * 100);
    const double n = c.perYear * c.years;
    const double pmt = -SpreadsheetPmt(i, n, 0, c.endSum, c.timing == PaymentTiming::Beginning ? 1 : 0);
    EXPECT_NEAR(r.instalment, pmt, 1e-9 * std::abs(pmt));
    EXPECT_NEAR(r.paidIn, pmt * n, 1e-9 * std::abs(pmt * n));
    EXPECT_NEAR(r.interest, c.endSum - pmt * n, 1e-9 * std::abs(c.endSum) + 1e-9);
    if (n == std::floor(n)) {
        EXPECT_NEAR(SavedUp(r.instalment, i, static_cast<int>(n), c.timing), c.endSum, 1e-8 * std::abs(c.endSum));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Instalments, TargetSumTest,
    ::testing::Values(TargetCase{"MonthlyEnd", 10000, 12, 10, 6, PaymentTiming::End},
                      TargetCase{"MonthlyBeginning", 10000, 12, 10, 6, PaymentTiming::Beginning},
                      TargetCase{"YearlyEnd", 1000, 1, 1, 5, PaymentTiming::End},
                      TargetCase{"YearlyBeginning", 1000, 1, 1, 5, PaymentTiming::Beginning},
                      TargetCase{"QuarterlyLong", 250000, 4, 30, 3.5, PaymentTiming::End},
                      TargetCase{"DailyTinyRate", 5000, 360, 3, 0.1, PaymentTiming::Beginning},
                      TargetCase{"HalfYearTerm", 600, 12, 0.5, 2, PaymentTiming::End},
                      TargetCase{"NegativeRate", 1000, 12, 2, -1, PaymentTiming::End},
                      TargetCase{"NegativeSum", -1000, 12, 2, 4, PaymentTiming::Beginning}),
    [](const ::testing::TestParamInfo<TargetCase>& row) { return std::string(row.param.name); });

TEST(TargetSumExamples, RateZeroSpreadsTheSumEvenly) {
    for (const PaymentTiming timing : {PaymentTiming::End, PaymentTiming::Beginning}) {
        const auto r = ComputeTargetSum({12000, 12, 10, 0, timing});
        ASSERT_TRUE(r.ok());
        EXPECT_DOUBLE_EQ(r.instalment, 100);
        EXPECT_DOUBLE_EQ(r.paidIn, 12000);
        EXPECT_DOUBLE_EQ(r.interest, 0);
    }
}

TEST(TargetSumExamples, TinyRateApproachesTheEvenSpread) {
    // 0,0001 % a year: the instalment must be just below E / N, not garbage from 1 + i − 1.
    const auto r = ComputeTargetSum({12000, 12, 10, 0.0001, PaymentTiming::End});
    ASSERT_TRUE(r.ok());
    EXPECT_LT(r.instalment, 100);
    EXPECT_GT(r.instalment, 99.999);
}

struct RefusedCase {
    const char* name;
    TargetSumInputs in;
    TargetSumError error;
};

class TargetSumRefusedTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(TargetSumRefusedTest, RefusesUndefinedInstalments) {
    EXPECT_EQ(ComputeTargetSum(GetParam().in).error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, TargetSumRefusedTest,
    ::testing::Values(
        RefusedCase{"NoPaymentsPerYear", {1000, 0, 10, 5, PaymentTiming::End}, TargetSumError::NoPayments},
        RefusedCase{"TermZero", {1000, 12, 0, 5, PaymentTiming::End}, TargetSumError::NoPayments},
        RefusedCase{"NegativeCount", {1000, -12, -10, 5, PaymentTiming::End}, TargetSumError::NoPayments},
        RefusedCase{"NaNCount", {1000, NAN, 10, 5, PaymentTiming::End}, TargetSumError::NoPayments},
        RefusedCase{"RateBelowMinusHundredPerPeriod", {1000, 1, 10, -150, PaymentTiming::End},
                    TargetSumError::NotFinite},
        RefusedCase{"WholeCapitalLostBeginning", {1000, 12, 1, -1200, PaymentTiming::Beginning},
                    TargetSumError::NotFinite},
        RefusedCase{"HugeSumHugeRate", {1e308, 1e-4, 1e-4, 1e14, PaymentTiming::End}, TargetSumError::NotFinite}),
    [](const ::testing::TestParamInfo<RefusedCase>& row) { return std::string(row.param.name); });

TEST(TargetSumHostile, HugeRateOverLongTermGivesAFiniteInstalment) {
    // (1 + i)^N beyond the double range: the instalment tends to 0, which is the right limit.
    const auto r = ComputeTargetSum({10000, 1, 1e6, 15, PaymentTiming::End});
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.instalment, 0);
    EXPECT_EQ(r.interest, 10000);
}

}  // namespace
}  // namespace zolt
