#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/LoanEngine.h"
#include "core/NumberRules.h"

namespace zolt {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr auto kYears = LoanTermUnit::Years, kMonths = LoanTermUnit::Months;

// The annuity written the other way round, as spreadsheets document PMT:
// K · r · (1 + r)^n / ((1 + r)^n − 1).
double ReferencePmt(double amount, double monthlyRate, double months) {
    const double growth = std::pow(1.0 + monthlyRate, months);
    return amount * monthlyRate * growth / (growth - 1.0);
}

::testing::AssertionResult Near(double actual, double expected, double relative = 1e-11) {
    if (std::fabs(actual - expected) <= relative * std::fabs(expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "actual " << actual << " expected " << expected;
}

TEST(MonthlyPayment, RateZeroSpreadsTheAmountEvenly) { EXPECT_EQ(MonthlyPayment(1200, 0.0, 48), 25.0); }

// The financed amount and the first failing down-payment check.
struct DownCase {
    const char* name;
    LoanDownPaymentMode mode;
    double price, downPayment;
    DownPaymentCheck check;
    double loanAmount;  // NaN: not compared
};
class DownPayment : public ::testing::TestWithParam<DownCase> {};
TEST_P(DownPayment, ChecksAndAmount) {
    const DownCase& c = GetParam();
    EXPECT_EQ(CheckDownPayment(c.price, c.downPayment, c.mode), c.check);
    // 1 − 99 / 100 is not exactly 0.01 in binary: compare to a few units in the last place.
    if (!std::isnan(c.loanAmount)) {
        EXPECT_NEAR(LoanAmount(c.price, c.downPayment, c.mode), c.loanAmount, 1e-14 * c.price);
    }
}
constexpr auto kPercent = LoanDownPaymentMode::Percent, kAmount = LoanDownPaymentMode::Amount;
INSTANTIATE_TEST_SUITE_P(
    Loans, DownPayment,
    ::testing::Values(DownCase{"NinetyNinePercentPasses", kPercent, 25000, 99, DownPaymentCheck::Ok, 250},
                      DownCase{"PercentAbovePriceIsNoSum", kPercent, 10, 50, DownPaymentCheck::Ok, 5},
                      DownCase{"AboveNinetyNinePercent", kPercent, 100, 99.01, DownPaymentCheck::AbovePercentLimit, kNaN},
                      DownCase{"NegativePercent", kPercent, 100, -1, DownPaymentCheck::Negative, kNaN},
                      DownCase{"SumEqualToPrice", kAmount, 10000, 10000, DownPaymentCheck::Ok, 0},
                      DownCase{"NoDownPayment", kAmount, 10000, 0, DownPaymentCheck::Ok, 10000},
                      DownCase{"SumAboveNinetyNineIsNoPercent", kAmount, 10000, 2500, DownPaymentCheck::Ok, 7500},
                      DownCase{"SumAbovePrice", kAmount, 10000, 10000.5, DownPaymentCheck::AbovePrice, kNaN}),
    [](const auto& row) { return std::string(row.param.name); });

struct RangeCase {
    const char* name;
    double rateMin, rateMax, termMin, termMax;
    LoanError error;
    int rateCount, termCount, firstTenths;  // the first rate in tenths of a percent
};
class PaymentTableRanges : public ::testing::TestWithParam<RangeCase> {};
TEST_P(PaymentTableRanges, CountsAndHeaders) {
    const RangeCase& c = GetParam();
    const auto result = BuildPaymentTable({10000, c.termMin, c.termMax, c.rateMin, c.rateMax, kMonths});
    ASSERT_EQ(result.error, c.error);
    if (c.error != LoanError::None) return;
    const LoanPaymentTable& t = result.value;
    EXPECT_EQ(t.RateCount(), c.rateCount);
    EXPECT_EQ(t.TermCount(), c.termCount);
    EXPECT_EQ(t.Cells().size(), static_cast<std::size_t>(c.rateCount + 1) * static_cast<std::size_t>(c.termCount + 1));
    // Each rate is the decimal of its tenths, also from a minimum of 0 made 0,1: the plan's
    // caption writes it without a mask ("0,3", never a drifted 0,30000000000001).
    for (int i = 1, tenths = c.firstTenths; i <= c.rateCount; ++i, ++tenths) {
        EXPECT_EQ(FormatGeneral(t.Rate(i)), std::to_string(tenths / 10) + (tenths % 10 ? "," + std::to_string(tenths % 10) : ""));
    }
    for (int j = 1; j <= c.termCount; ++j) EXPECT_EQ(t.Term(j), c.termMin + (j - 1));
}
constexpr auto kOk = LoanError::None;
INSTANTIATE_TEST_SUITE_P(
    Loans, PaymentTableRanges,
    ::testing::Values(RangeCase{"FiveToSix", 5, 6, 1, 3, kOk, 11, 3, 50},
                      RangeCase{"ZeroStartsAtOneTenth", 0, 10, 12, 12, kOk, 100, 1, 1},
                      RangeCase{"LargestTable", 0, 25, 1, 1200, kOk, 250, 1200, 1},
                      RangeCase{"FractionalMinimumBelowOne", 1, 1, 0.5, 3.6, kOk, 1, 4, 10},
                      RangeCase{"TermsReversed", 5, 6, 3, 2, LoanError::EmptyRange, 0, 0, 0},
                      RangeCase{"RatesReversed", 6, 5, 1, 2, LoanError::EmptyRange, 0, 0, 0},
                      RangeCase{"ZeroTerm", 5, 6, 0, 1, LoanError::EmptyRange, 0, 0, 0},
                      RangeCase{"TooManyTerms", 5, 6, 1, 1201, LoanError::TableTooLarge, 0, 0, 0},
                      RangeCase{"TooManyRates", 0, 25.1, 1, 2, LoanError::TableTooLarge, 0, 0, 0},
                      RangeCase{"InfiniteTerm", 5, 6, 1, kInf, LoanError::NotFinite, 0, 0, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PaymentTable, BodyIsThePmtOfEveryCellInYearsAndMonths) {
    for (const LoanTermUnit unit : {kYears, kMonths}) {
        const auto result = BuildPaymentTable({23456.78, 3, 9, 2.0, 4.0, unit});
        ASSERT_EQ(result.error, LoanError::None);
        const LoanPaymentTable& t = result.value;
        EXPECT_EQ(t.LoanAmount(), 23456.78);
        EXPECT_EQ(t.TermUnit(), unit);
        for (int i = 1; i <= t.RateCount(); ++i) {
            for (int j = 1; j <= t.TermCount(); ++j) {
                const double months = (unit == kYears ? 12.0 : 1.0) * (2.0 + j);
                EXPECT_TRUE(Near(t.Payment(i, j), ReferencePmt(23456.78, (2.0 + (i - 1) / 10.0) / 1200.0, months)));
            }
        }
    }
}

TEST(PaymentTable, StartsAboveZeroAndRefusesAmountsOutsideTheDoubleRange) {
    EXPECT_EQ(TableRateMin(0.0), kLowestLoanRate);
    EXPECT_EQ(TableRateMin(0.05), 0.05);
    EXPECT_EQ(BuildPaymentTable({kInf, 1, 2, 5, 6, kYears}).error, LoanError::NotFinite);
    // one month at 25 %: the instalment is the amount and its interest, beyond the range
    EXPECT_EQ(BuildPaymentTable({1.79e308, 1, 1, 25, 25, kMonths}).error, LoanError::NotFinite);
}

TEST(AmortizationPlan, WorkedExample) {
    // 10000 less 10 %, 6 % over 2 years; the instalment computed with 50-digit arithmetic.
    EXPECT_TRUE(Near(MonthlyPayment(9000, 0.005, 24), 398.88549227481212));
    const LoanPlan plan = BuildAmortizationPlan({9000, 6, 398.88549227481212, 2, kYears}).value;
    ASSERT_EQ(plan.cells.size(), 24u * LoanPlan::kColumns);
    EXPECT_TRUE(Near(plan.At(1, LoanPlan::kInterest), 45.0, 1e-13));
    EXPECT_TRUE(Near(plan.At(1, LoanPlan::kPrincipal), 353.88549227481212, 1e-13));
    EXPECT_TRUE(Near(plan.At(1, LoanPlan::kBalance), 8646.1145077251877, 1e-13));
    EXPECT_TRUE(Near(plan.At(1, LoanPlan::kTotalInterest), 45.0, 1e-13));
}

struct PlanCase {
    const char* name;
    double amount, annualPercent, months;
};
class AmortizationPlanProperties : public ::testing::TestWithParam<PlanCase> {};
TEST_P(AmortizationPlanProperties, AgreesWithTheClosedFormAndRepaysTheLoan) {
    const PlanCase& c = GetParam();
    const double r = c.annualPercent / 1200.0;
    // The payment of the table's cell, as the sheet hands it to the plan.
    const double payment = MonthlyPayment(c.amount, r, c.months);
    ASSERT_TRUE(Near(payment, ReferencePmt(c.amount, r, c.months)));
    const auto result = BuildAmortizationPlan({c.amount, c.annualPercent, payment, c.months, kMonths});
    ASSERT_EQ(result.error, LoanError::None);
    const LoanPlan& plan = result.value;
    const auto n = static_cast<std::size_t>(c.months);
    ASSERT_EQ(plan.monthCount, n);
    for (std::size_t k = 1; k <= n; ++k) {
        // Balance after k payments: K (1 + r)^k − P ((1 + r)^k − 1) / r.
        const double growth = std::pow(1.0 + r, static_cast<double>(k));
        const double balance = c.amount * growth - payment * (growth - 1.0) / r;
        EXPECT_NEAR(plan.At(k, LoanPlan::kBalance), balance, 1e-9 * c.amount) << k;
        // The interest so far is what was paid less what was repaid.
        EXPECT_NEAR(plan.At(k, LoanPlan::kTotalInterest), static_cast<double>(k) * payment - (c.amount - balance), 1e-9 * c.amount) << k;
        EXPECT_NEAR(plan.At(k, LoanPlan::kPrincipal), plan.payment - plan.At(k, LoanPlan::kInterest), 1e-12 * c.amount);
    }
    // Repaid exactly: a remainder of rounding noise would show as "-0,00 €".
    EXPECT_EQ(plan.At(n, LoanPlan::kBalance), 0.0);
}
INSTANTIATE_TEST_SUITE_P(Loans, AmortizationPlanProperties,
                         ::testing::Values(PlanCase{"Mortgage", 250000, 5.2, 360},
                                           PlanCase{"HighestRate", 80000, 25, 600}),
                         [](const auto& row) { return std::string(row.param.name); });

// The unit of the request reads the term: 24 in years is 288 months; fractional months end
// the plan at the last whole one; beyond 1200 years of months no plan is made.
TEST(AmortizationPlan, MonthsAndRefusals) {
    EXPECT_EQ(BuildAmortizationPlan({12000, 6, 531.85, 24, kYears}).value.monthCount, 288u);
    EXPECT_EQ(BuildAmortizationPlan({1000, 5, 500, 1.5, kMonths}).value.monthCount, 1u);
    EXPECT_EQ(BuildAmortizationPlan({1000, 5, 500, 1, kMonths}).value.monthCount, 1u);
    EXPECT_EQ(BuildAmortizationPlan({1000, 5, 500, 0.5, kYears}).value.months, 6.0);
    EXPECT_EQ(BuildAmortizationPlan({1000, 5, 500, 0.5, kMonths}).value.monthCount, 0u);
    EXPECT_EQ(BuildAmortizationPlan({1000, 5, 50, 1200, kYears}).error, LoanError::None);
    EXPECT_EQ(BuildAmortizationPlan({1000, 5, 50, 14401, kMonths}).error, LoanError::PlanTooLong);
    EXPECT_EQ(BuildAmortizationPlan({1000, 5, kInf, 12, kMonths}).error, LoanError::NotFinite);
    // a balance that grows beyond the double range
    EXPECT_EQ(BuildAmortizationPlan({1e300, 25, 1, 1200, kYears}).error, LoanError::NotFinite);
}

}  // namespace
}  // namespace zolt
