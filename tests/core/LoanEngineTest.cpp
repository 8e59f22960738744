#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/LoanEngine.h"

namespace zolt {
namespace {

// The annuity written the other way round, as spreadsheets document PMT:
// K · r · (1 + r)^n / ((1 + r)^n − 1).
double ReferencePmt(double amount, double monthlyRate, double months) {
    const double growth = std::pow(1.0 + monthlyRate, months);
    return amount * monthlyRate * growth / (growth - 1.0);
}

void ExpectRelativelyNear(double expected, double actual, double tolerance) {
    EXPECT_NEAR(actual, expected, std::abs(expected) * tolerance) << "expected " << expected;
}

// ---------------------------------------------------------------------------------------
// MonthlyPayment against spreadsheet PMT values (computed with 50-digit decimal arithmetic).

struct PmtCase {
    const char* name;
    double amount;
    double annualPercent;
    double months;
    double payment;
};

class MonthlyPaymentPmt : public ::testing::TestWithParam<PmtCase> {};

TEST_P(MonthlyPaymentPmt, MatchesSpreadsheetPmt) {
    const PmtCase& c = GetParam();
    const double r = c.annualPercent / 1200.0;
    ExpectRelativelyNear(c.payment, MonthlyPayment(c.amount, r, c.months), 1e-11);
    ExpectRelativelyNear(ReferencePmt(c.amount, r, c.months), MonthlyPayment(c.amount, r, c.months), 1e-11);
}

INSTANTIATE_TEST_SUITE_P(
    Loans, MonthlyPaymentPmt,
    ::testing::Values(PmtCase{"WorkedExample9000At6For24", 9000, 6, 24, 398.88549227481212},
                      PmtCase{"Mortgage100000At6For360", 100000, 6, 360, 599.55052515275236},
                      PmtCase{"Mortgage200000At4_5For360", 200000, 4.5, 360, 1013.3706196517613},
                      PmtCase{"OneMonthAtLowestRate", 10000, 0.1, 1, 10000.833333333334},
                      PmtCase{"LongestTermHighestRate", 10000, 25, 600, 208.33421611846742},
                      PmtCase{"TinyAmountLongTerm", 1, 0.1, 600, 0.0017087499701038218},
                      PmtCase{"Car50000At12For60", 50000, 12, 60, 1112.222384245089},
                      PmtCase{"OddAmount", 12345.67, 7.3, 84, 188.1449963524683},
                      PmtCase{"MillionOneMonth", 1e6, 25, 1, 1020833.3333333334},
                      PmtCase{"SevenMonths", 2500, 3.5, 7, 361.32165881311045}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(MonthlyPayment, RateZeroSpreadsTheAmountEvenly) {
    EXPECT_DOUBLE_EQ(MonthlyPayment(20000, 0.0, 48), 20000.0 / 48.0);
    EXPECT_DOUBLE_EQ(MonthlyPayment(1200, 0.0, 12), 100.0);
    EXPECT_DOUBLE_EQ(MonthlyPayment(0, 0.0, 12), 0.0);
}

// ---------------------------------------------------------------------------------------
// Financed amount and the down-payment checks.

struct AmountCase {
    const char* name;
    LoanDownPaymentMode mode;
    double price;
    double downPayment;
    double loanAmount;
};

class LoanAmount : public ::testing::TestWithParam<AmountCase> {};

TEST_P(LoanAmount, IsPriceLessDownPayment) {
    const AmountCase& c = GetParam();
    LoanSheetState state;
    state.Price = c.price;
    state.DownPayment = c.downPayment;
    state.DownPaymentMode = c.mode;
    // 1 − 99 / 100 is not exactly 0.01 in binary: compare to a few units in the last place.
    EXPECT_NEAR(ComputeLoanAmount(state), c.loanAmount, 1e-14 * c.price);
    EXPECT_EQ(state.LoanAmount, ComputeLoanAmount(state));
}

INSTANTIATE_TEST_SUITE_P(
    Loans, LoanAmount,
    ::testing::Values(AmountCase{"TenPercentOf10000", LoanDownPaymentMode::Percent, 10000, 10, 9000},
                      AmountCase{"NinetyNinePercentLeavesOnePercent", LoanDownPaymentMode::Percent, 25000, 99, 250},
                      AmountCase{"NoDownPayment", LoanDownPaymentMode::Percent, 7500, 0, 7500},
                      AmountCase{"SumOf2500", LoanDownPaymentMode::Amount, 10000, 2500, 7500},
                      AmountCase{"SumEqualToPrice", LoanDownPaymentMode::Amount, 10000, 10000, 0},
                      AmountCase{"FractionalSum", LoanDownPaymentMode::Amount, 999.99, 0.99, 999.0}),
    [](const auto& row) { return std::string(row.param.name); });

struct DownCase {
    const char* name;
    LoanDownPaymentMode mode;
    double price;
    double downPayment;
    DownPaymentCheck expected;
};

class DownPaymentChecks : public ::testing::TestWithParam<DownCase> {};

TEST_P(DownPaymentChecks, FirstFailingCheck) {
    const DownCase& c = GetParam();
    LoanSheetState state;
    state.Price = c.price;
    state.DownPayment = c.downPayment;
    state.DownPaymentMode = c.mode;
    EXPECT_EQ(CheckDownPayment(state), c.expected);
}

constexpr auto kPercent = LoanDownPaymentMode::Percent;
constexpr auto kAmount = LoanDownPaymentMode::Amount;

INSTANTIATE_TEST_SUITE_P(
    Loans, DownPaymentChecks,
    ::testing::Values(DownCase{"TenPercentPasses", kPercent, 0, 10, DownPaymentCheck::Ok},
                      DownCase{"NinetyNinePercentPasses", kPercent, 100, 99, DownPaymentCheck::Ok},
                      DownCase{"AboveNinetyNinePercent", kPercent, 100, 99.01, DownPaymentCheck::AbovePercentLimit},
                      DownCase{"HundredPercent", kPercent, 1e9, 100, DownPaymentCheck::AbovePercentLimit},
                      DownCase{"NegativePercent", kPercent, 100, -1, DownPaymentCheck::Negative},
                      DownCase{"SumEqualToPricePasses", kAmount, 10000, 10000, DownPaymentCheck::Ok},
                      DownCase{"SumAbovePrice", kAmount, 10000, 10000.5, DownPaymentCheck::AbovePrice},
                      DownCase{"SumAboveNinetyNineIsNoPercent", kAmount, 10000, 5000, DownPaymentCheck::Ok},
                      DownCase{"NegativeSum", kAmount, 10000, -0.01, DownPaymentCheck::Negative},
                      DownCase{"InfinitePercent", kPercent, 100, std::numeric_limits<double>::infinity(),
                               DownPaymentCheck::AbovePercentLimit},
                      DownCase{"NotANumber", kPercent, 100, std::numeric_limits<double>::quiet_NaN(),
                               DownPaymentCheck::AbovePercentLimit},
                      DownCase{"NotANumberAsSum", kAmount, 100, std::numeric_limits<double>::quiet_NaN(),
                               DownPaymentCheck::Negative}),
    [](const auto& row) { return std::string(row.param.name); });

// ---------------------------------------------------------------------------------------
// The instalment table.

LoanSheetState TableState(double amount, double rateMin, double rateMax, double termMin, double termMax,
                          LoanTermUnit unit) {
    LoanSheetState state;
    state.LoanAmount = amount;
    state.RateMin = rateMin;
    state.RateMax = rateMax;
    state.TermMin = termMin;
    state.TermMax = termMax;
    state.TermUnit = unit;
    return state;
}

struct RangeCase {
    const char* name;
    double rateMin, rateMax, termMin, termMax;
    int rateCount, termCount;
};

class PaymentTableRanges : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PaymentTableRanges, HeadersFollowTheRanges) {
    const RangeCase& c = GetParam();
    LoanSheetState state = TableState(10000, c.rateMin, c.rateMax, c.termMin, c.termMax, LoanTermUnit::Months);
    ASSERT_EQ(BuildPaymentTable(state), LoanError::None);
    EXPECT_EQ(state.RateCount, c.rateCount);
    EXPECT_EQ(state.TermCount, c.termCount);
    EXPECT_EQ(state.PaymentTable.RateCount(), c.rateCount);
    EXPECT_EQ(state.PaymentTable.TermCount(), c.termCount);
    EXPECT_EQ(state.PaymentTable.Cells().size(),
              static_cast<std::size_t>(c.rateCount + 1) * static_cast<std::size_t>(c.termCount + 1));
    for (int i = 1; i <= c.rateCount; ++i) {
        EXPECT_NEAR(state.PaymentTable.Rate(i), c.rateMin + (i - 1) * 0.1, 1e-12) << "row " << i;
    }
    EXPECT_NEAR(state.PaymentTable.Rate(c.rateCount), c.rateMax, 1e-12);
    for (int j = 1; j <= c.termCount; ++j) EXPECT_EQ(state.PaymentTable.Term(j), c.termMin + (j - 1));
}

INSTANTIATE_TEST_SUITE_P(Loans, PaymentTableRanges,
                         ::testing::Values(RangeCase{"FiveToSix", 5, 6, 1, 3, 11, 3},
                                           RangeCase{"LowestReplacementToTen", 0.1, 10, 12, 12, 100, 1},
                                           RangeCase{"SingleRateSingleTerm", 7.5, 7.5, 36, 36, 1, 1},
                                           RangeCase{"ThreeTenthsApart", 0.1, 0.3, 1, 2, 3, 2},
                                           RangeCase{"LargestTable", 0.1, 25, 1, 600, 250, 600},
                                           RangeCase{"FullRateList", 0, 25, 1, 1, 251, 1},
                                           RangeCase{"FractionalTerms", 1, 1, 1.5, 3, 1, 2}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(PaymentTable, BodyIsThePmtOfEveryCellInYearsAndMonths) {
    for (const LoanTermUnit unit : {LoanTermUnit::Years, LoanTermUnit::Months}) {
        LoanSheetState state = TableState(23456.78, 2.0, 4.0, 3, 9, unit);
        ASSERT_EQ(BuildPaymentTable(state), LoanError::None);
        ASSERT_EQ(state.RateCount, 21);
        ASSERT_EQ(state.TermCount, 7);
        for (int i = 1; i <= state.RateCount; ++i) {
            for (int j = 1; j <= state.TermCount; ++j) {
                const double months = (unit == LoanTermUnit::Years ? 12.0 : 1.0) * (2.0 + j);
                const double r = (2.0 + (i - 1) / 10.0) / 1200.0;
                ExpectRelativelyNear(ReferencePmt(23456.78, r, months), state.PaymentTable.Payment(i, j), 1e-11);
            }
        }
    }
}

TEST(PaymentTable, ZeroRateRowSpreadsTheAmount) {
    LoanSheetState state = TableState(1200, 0, 1, 12, 24, LoanTermUnit::Months);
    ASSERT_EQ(BuildPaymentTable(state), LoanError::None);
    EXPECT_DOUBLE_EQ(state.PaymentTable.Payment(1, 1), 100.0);
    EXPECT_DOUBLE_EQ(state.PaymentTable.Payment(1, 13), 50.0);
}

TEST(PaymentTable, ZeroAmountGivesZeroInstalmentsAndAZeroPlan) {
    LoanSheetState state = TableState(0, 3, 4, 1, 2, LoanTermUnit::Years);
    ASSERT_EQ(BuildPaymentTable(state), LoanError::None);
    for (int i = 1; i <= state.RateCount; ++i) {
        for (int j = 1; j <= state.TermCount; ++j) EXPECT_EQ(state.PaymentTable.Payment(i, j), 0.0);
    }
    ASSERT_EQ(BuildAmortizationPlan(state, 5, 2), LoanError::None);
    ASSERT_EQ(state.PlanRows.size(), 25u);
    for (const LoanPlanRow& row : state.PlanRows) {
        EXPECT_EQ(row.Balance, 0.0);
        EXPECT_EQ(row.Interest, 0.0);
    }
}

TEST(PaymentTable, RefusalsKeepThePreviousTable) {
    LoanSheetState state = TableState(5000, 5, 6, 1, 2, LoanTermUnit::Years);
    ASSERT_EQ(BuildPaymentTable(state), LoanError::None);
    const std::vector<double> before = state.PaymentTable.Cells();

    struct Refusal {
        const char* name;
        double rateMin, rateMax, termMin, termMax, amount;
        LoanError error;
    };
    const double inf = std::numeric_limits<double>::infinity();
    for (const Refusal& c : {Refusal{"TermsReversed", 5, 6, 3, 2, 5000, LoanError::EmptyRange},
                             Refusal{"RatesReversed", 6, 5, 1, 2, 5000, LoanError::EmptyRange},
                             Refusal{"TooManyTerms", 5, 6, 1, 601, 5000, LoanError::TableTooLarge},
                             Refusal{"HugeTermRange", 5, 6, -1e300, 1e300, 5000, LoanError::TableTooLarge},
                             Refusal{"TooManyRates", 0, 25.1, 1, 2, 5000, LoanError::TableTooLarge},
                             Refusal{"InfiniteAmount", 5, 6, 1, 2, inf, LoanError::NotFinite},
                             Refusal{"InfiniteTerm", 5, 6, 1, inf, 5000, LoanError::NotFinite},
                             Refusal{"ZeroTerm", 5, 6, 0, 1, 5000, LoanError::NotFinite},
                             Refusal{"AmountNotANumber", 5, 6, 1, 2, std::numeric_limits<double>::quiet_NaN(),
                                     LoanError::NotFinite}}) {
        LoanSheetState trial = state;
        trial.RateMin = c.rateMin;
        trial.RateMax = c.rateMax;
        trial.TermMin = c.termMin;
        trial.TermMax = c.termMax;
        trial.LoanAmount = c.amount;
        EXPECT_EQ(BuildPaymentTable(trial), c.error) << c.name;
        EXPECT_EQ(trial.PaymentTable.Cells(), before) << c.name;
        EXPECT_EQ(trial.RateCount, 11) << c.name;
        EXPECT_EQ(trial.TermCount, 2) << c.name;
    }
}

// ---------------------------------------------------------------------------------------
// The amortization plan.

TEST(AmortizationPlan, WorkedExample) {
    LoanSheetState state;
    state.Price = 10000;
    state.DownPayment = 10;
    state.RateMin = 6;
    state.RateMax = 6;
    state.TermMin = 2;
    state.TermMax = 2;
    EXPECT_DOUBLE_EQ(ComputeLoanAmount(state), 9000.0);
    ASSERT_EQ(BuildPaymentTable(state), LoanError::None);
    ASSERT_EQ(BuildAmortizationPlan(state, 1, 1), LoanError::None);
    ExpectRelativelyNear(398.88549227481212, state.SelectedPayment, 1e-13);
    EXPECT_DOUBLE_EQ(state.PlanRate, 6.0);
    EXPECT_DOUBLE_EQ(state.PlanMonthlyRate, 0.005);
    EXPECT_EQ(state.PlanMonths, 24.0);
    ASSERT_EQ(state.PlanRows.size(), 25u);
    EXPECT_DOUBLE_EQ(state.PlanRows[0].Balance, 9000.0);
    EXPECT_NEAR(state.PlanRows[1].Interest, 45.0, 1e-12);
    ExpectRelativelyNear(8646.1145077251877, state.PlanRows[1].Balance, 1e-13);
    const LoanPlanValues values = DerivePlanValues(state);
    ExpectRelativelyNear(353.88549227481212, values.Principal[1], 1e-13);
    EXPECT_NEAR(values.TotalInterest[1], 45.0, 1e-12);
}

struct PlanCase {
    const char* name;
    double amount;
    double annualPercent;
    double termMonths;
};

class AmortizationPlanProperties : public ::testing::TestWithParam<PlanCase> {};

TEST_P(AmortizationPlanProperties, AgreesWithTheClosedFormAndRepaysTheLoan) {
    const PlanCase& c = GetParam();
    LoanSheetState state = TableState(c.amount, c.annualPercent, c.annualPercent, c.termMonths, c.termMonths,
                                      LoanTermUnit::Months);
    ASSERT_EQ(BuildPaymentTable(state), LoanError::None);
    ASSERT_EQ(BuildAmortizationPlan(state, 1, 1), LoanError::None);
    const auto n = static_cast<std::size_t>(c.termMonths);
    ASSERT_EQ(state.PlanRows.size(), n + 1);

    const double r = c.annualPercent / 1200.0;
    const double payment = ReferencePmt(c.amount, r, c.termMonths);
    const LoanPlanValues values = DerivePlanValues(state);
    double principals = 0.0;
    for (std::size_t k = 1; k <= n; ++k) {
        // Balance after k payments: K (1 + r)^k − P ((1 + r)^k − 1) / r.
        const double growth = std::pow(1.0 + r, static_cast<double>(k));
        const double balance = c.amount * growth - payment * (growth - 1.0) / r;
        EXPECT_NEAR(state.PlanRows[k].Balance, balance, 1e-9 * c.amount) << "month " << k;
        // The interest so far is what was paid less what was repaid.
        EXPECT_NEAR(values.TotalInterest[k], static_cast<double>(k) * payment - (c.amount - balance), 1e-9 * c.amount)
            << "month " << k;
        principals += values.Principal[k];
    }
    EXPECT_NEAR(principals, c.amount, 1e-9 * c.amount);
    EXPECT_NEAR(state.PlanRows[n].Balance, 0.0, 1e-9 * c.amount);
    EXPECT_NEAR(values.TotalInterest[n], static_cast<double>(n) * payment - c.amount, 1e-9 * c.amount);
}

INSTANTIATE_TEST_SUITE_P(Loans, AmortizationPlanProperties,
                         ::testing::Values(PlanCase{"WorkedExample", 9000, 6, 24}, PlanCase{"OneMonth", 500, 3, 1},
                                           PlanCase{"Mortgage", 250000, 5.2, 360},
                                           PlanCase{"LowestRateLongest", 80000, 0.1, 600},
                                           PlanCase{"HighestRateLongest", 80000, 25, 600},
                                           PlanCase{"HundredYears", 123456.78, 7.7, 1200},
                                           PlanCase{"SixteenMonths", 16000, 9.9, 16}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(AmortizationPlan, ReadsTheTermUnitOfTheMomentOfTheRequest) {
    // Built in months; after the switch to years the column "24" stands for 288 months, while
    // the instalment stays the table's 24-month one.
    LoanSheetState state = TableState(12000, 6, 6, 24, 25, LoanTermUnit::Months);
    ASSERT_EQ(BuildPaymentTable(state), LoanError::None);
    const double payment24 = state.PaymentTable.Payment(1, 1);
    state.TermUnit = LoanTermUnit::Years;
    ASSERT_EQ(BuildAmortizationPlan(state, 1, 1), LoanError::None);
    EXPECT_EQ(state.PlanMonths, 288.0);
    EXPECT_EQ(state.PlanRows.size(), 289u);
    EXPECT_EQ(state.SelectedPayment, payment24);

    // And back: built in years, read in months.
    LoanSheetState years = TableState(12000, 6, 6, 2, 2, LoanTermUnit::Years);
    ASSERT_EQ(BuildPaymentTable(years), LoanError::None);
    years.TermUnit = LoanTermUnit::Months;
    ASSERT_EQ(BuildAmortizationPlan(years, 1, 1), LoanError::None);
    EXPECT_EQ(years.PlanMonths, 2.0);
    EXPECT_EQ(years.PlanRows.size(), 3u);
    ExpectRelativelyNear(ReferencePmt(12000, 0.005, 24), years.SelectedPayment, 1e-12);
}

TEST(AmortizationPlan, FractionalTermEndsAtTheLastWholeMonth) {
    LoanSheetState state = TableState(1000, 5, 5, 1.5, 1.5, LoanTermUnit::Years);
    ASSERT_EQ(BuildPaymentTable(state), LoanError::None);
    ExpectRelativelyNear(ReferencePmt(1000, 5.0 / 1200.0, 18), state.PaymentTable.Payment(1, 1), 1e-12);
    state.TermUnit = LoanTermUnit::Months;
    ASSERT_EQ(BuildAmortizationPlan(state, 1, 1), LoanError::None);
    EXPECT_EQ(state.PlanRows.size(), 2u);
}

TEST(AmortizationPlan, RefusalsKeepThePreviousPlan) {
    LoanSheetState state = TableState(1000, 5, 6, 1e6, 1e6, LoanTermUnit::Months);
    ASSERT_EQ(BuildPaymentTable(state), LoanError::None);
    LoanSheetState small = TableState(1000, 5, 6, 2, 3, LoanTermUnit::Years);
    ASSERT_EQ(BuildPaymentTable(small), LoanError::None);
    ASSERT_EQ(BuildAmortizationPlan(small, 2, 2), LoanError::None);
    const std::size_t rows = small.PlanRows.size();
    const double payment = small.SelectedPayment;

    EXPECT_EQ(BuildAmortizationPlan(small, 0, 1), LoanError::NoSuchCell);
    EXPECT_EQ(BuildAmortizationPlan(small, 1, 0), LoanError::NoSuchCell);
    EXPECT_EQ(BuildAmortizationPlan(small, 12, 1), LoanError::NoSuchCell);
    EXPECT_EQ(BuildAmortizationPlan(small, 1, 3), LoanError::NoSuchCell);
    EXPECT_EQ(BuildAmortizationPlan(small, -1, -1), LoanError::NoSuchCell);
    EXPECT_EQ(small.PlanRows.size(), rows);
    EXPECT_EQ(small.SelectedPayment, payment);

    // A million months is no plan anyone reads; it is refused instead of filling memory.
    EXPECT_EQ(BuildAmortizationPlan(state, 1, 1), LoanError::PlanTooLong);
    EXPECT_TRUE(state.PlanRows.empty());
}

}  // namespace
}  // namespace zolt
