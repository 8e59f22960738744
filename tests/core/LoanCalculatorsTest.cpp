#include "core/LoanCalculators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace zolt {
namespace {

// ---- independent references ----------------------------------------------------------------

// Balance left after n monthly end-of-month instalments (spreadsheet FV with the signs of a
// loan): K (1 + i)^n - R ((1 + i)^n - 1) / i, written with plain pow.
double BalanceAfter(double k, double i, double r, double n) {
    if (i == 0.0) return k - r * n;
    const double growth = std::pow(1.0 + i, n);
    return k * growth - r * (growth - 1.0) / i;
}

// NPER by bisection on the balance: the n at which it reaches 0.
double ReferenceTerm(double k, double annualPercent, double r) {
    const double i = annualPercent / 1200.0;
    double lo = 0.0;
    double hi = 1.0;
    while (BalanceAfter(k, i, r, hi) > 0.0) hi *= 2.0;
    for (int step = 0; step < 200; ++step) {
        const double mid = 0.5 * (lo + hi);
        (BalanceAfter(k, i, r, mid) > 0.0 ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

// RATE by bisection: K = R (1 + i t) (1 - (1 + i)^-n) / i, with plain pow.
double ReferenceMonthlyRate(double k, double r, double n, bool beginning) {
    auto excess = [&](double i) {
        const double t = beginning ? 1.0 : 0.0;
        return r * (1.0 + i * t) * (1.0 - std::pow(1.0 + i, -n)) / i - k;
    };
    double lo = 1e-9;  // the cases below all have rates far above this
    double hi = 1.0;
    while (excess(hi) > 0.0) hi *= 2.0;
    for (int step = 0; step < 300; ++step) {
        const double mid = 0.5 * (lo + hi);
        (excess(mid) > 0.0 ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

template <typename T>
std::string CaseName(const ::testing::TestParamInfo<T>& param) {
    return param.param.name;
}

// ---- loan term -----------------------------------------------------------------------------

struct TermCase {
    const char* name;
    double amount, percent, instalment;
    double years, months;  // expected outputs (from the worked examples and rounding rules)
    double total;          // n, to the two decimals the screen shows
};

class LoanTermExamples : public ::testing::TestWithParam<TermCase> {};

TEST_P(LoanTermExamples, YearsAndRoundedMonths) {
    const TermCase& c = GetParam();
    const LoanTermResult r = ComputeLoanTerm({c.amount, c.percent, c.instalment});
    ASSERT_EQ(r.status, LoanTermStatus::Ok);
    EXPECT_EQ(r.wholeYears, c.years);
    EXPECT_EQ(r.remainingMonths, c.months);
    EXPECT_NEAR(r.months, c.total, 0.005);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedAndEdges, LoanTermExamples,
    ::testing::Values(TermCase{"K10000_p6_R200", 10000, 6, 200, 4, 10, 57.68},
                      // without interest the term is amount / instalment, which makes the rounding
                      // of the remainder directly visible
                      TermCase{"n35_7_gives_2y_12m", 357, 0, 10, 2, 12, 35.7},  // 11.7 rounds to 12
                      TermCase{"n36_gives_3y_0m", 360, 0, 10, 3, 0, 36},
                      TermCase{"half_to_even_up", 355, 0, 10, 2, 12, 35.5},    // 11.5 -> 12
                      TermCase{"half_to_even_down", 345, 0, 10, 2, 10, 34.5},  // 10.5 -> 10
                      TermCase{"zero_amount", 0, 6, 200, 0, 0, 0},
                      TermCase{"zero_amount_zero_rate", 0, 0, 200, 0, 0, 0}),
    CaseName<TermCase>);

struct NperCase {
    double amount, percent, instalment;
};

class LoanTermAgainstNper : public ::testing::TestWithParam<NperCase> {};

TEST_P(LoanTermAgainstNper, MatchesBisectedBalance) {
    const NperCase& c = GetParam();
    const LoanTermResult r = ComputeLoanTerm({c.amount, c.percent, c.instalment});
    ASSERT_EQ(r.status, LoanTermStatus::Ok);
    const double reference = ReferenceTerm(c.amount, c.percent, c.instalment);
    EXPECT_NEAR(r.months, reference, 1e-9 * std::max(1.0, reference)) << "K=" << c.amount << " p=" << c.percent << " R=" << c.instalment;
}

std::vector<NperCase> NperGrid() {
    std::vector<NperCase> cases;
    for (double k : {500.0, 10000.0, 250000.0, 3.5e6})
        for (double p : {0.0, 0.1, 1.5, 6.0, 7.5, 12.0, 35.0, -2.0})
            for (double share : {0.002, 0.01, 0.05, 0.2, 1.0, 3.0}) {
                const double r = k * share;
                if (p / 1200.0 * k >= r) continue;  // refused, tested elsewhere
                cases.push_back({k, p, r});
            }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Grid, LoanTermAgainstNper, ::testing::ValuesIn(NperGrid()));

struct RefusedTermCase {
    const char* name;
    double amount, percent, instalment;
    LoanTermStatus status;
};

class LoanTermRefusals : public ::testing::TestWithParam<RefusedTermCase> {};

TEST_P(LoanTermRefusals, GiveTheirStatus) {
    const RefusedTermCase& c = GetParam();
    EXPECT_EQ(ComputeLoanTerm({c.amount, c.percent, c.instalment}).status, c.status);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoanTermRefusals,
    ::testing::Values(RefusedTermCase{"instalment_equals_interest", 10000, 6, 50, LoanTermStatus::InstalmentTooLow},
                      RefusedTermCase{"instalment_below_interest", 10000, 6, 49.99, LoanTermStatus::InstalmentTooLow},
                      RefusedTermCase{"zero_instalment", 10000, 6, 0, LoanTermStatus::InstalmentTooLow},
                      RefusedTermCase{"negative_instalment", 10000, 6, -200, LoanTermStatus::InstalmentTooLow},
                      RefusedTermCase{"zero_rate_zero_instalment", 10000, 0, 0, LoanTermStatus::InstalmentTooLow},
                      RefusedTermCase{"negative_amount", -10000, 6, 200, LoanTermStatus::NoTerm},
                      RefusedTermCase{"negative_amount_no_rate", -10000, 0, 200, LoanTermStatus::NoTerm},
                      RefusedTermCase{"rate_minus_1200", 10000, -1200, 200, LoanTermStatus::NoTerm},
                      RefusedTermCase{"negative_rate_negative_instalment", 10000, -6, -10, LoanTermStatus::NoTerm},
                      RefusedTermCase{"nan_amount", std::nan(""), 6, 200, LoanTermStatus::NoTerm},
                      RefusedTermCase{"infinite_instalment", 10000, 6, INFINITY, LoanTermStatus::NoTerm}),
    CaseName<RefusedTermCase>);

TEST(LoanTerm, HugeCurrencyValuesStayFinite) {
    // The largest currency readings: the term is enormous but a number.
    const LoanTermResult r = ComputeLoanTerm({922337203685477.0, 0.0001, 1e8});
    ASSERT_EQ(r.status, LoanTermStatus::Ok);
    EXPECT_TRUE(std::isfinite(r.months));
    EXPECT_GE(r.remainingMonths, 0.0);
    EXPECT_LE(r.remainingMonths, 12.0);
}

// ---- loan rate -----------------------------------------------------------------------------

TEST(LoanRate, WorkedExampleBothTimings) {
    const LoanRateResult end = FindLoanRate({10000, 200, 60, PaymentTiming::EndOfMonth});
    const LoanRateResult begin = FindLoanRate({10000, 200, 60, PaymentTiming::BeginningOfMonth});
    ASSERT_EQ(end.status, LoanRateStatus::Ok);
    ASSERT_EQ(begin.status, LoanRateStatus::Ok);
    EXPECT_NEAR(end.annualPercent, 7.42, 0.005);
    EXPECT_NEAR(begin.annualPercent, 7.69, 0.005);
    // Spreadsheet RATE(60; -200; 10000) = 0,6183413 % per month.
    EXPECT_NEAR(end.monthlyRate, 0.006183413, 5e-10);
}

struct RateCase {
    double amount, instalment, months;
    bool beginning;
};

std::string Describe(const RateCase& c) {
    std::ostringstream s;
    s << "K=" << c.amount << " R=" << c.instalment << " n=" << c.months << (c.beginning ? " Anfang" : " Ende");
    return s.str();
}

class LoanRateAgainstReference : public ::testing::TestWithParam<RateCase> {};

TEST_P(LoanRateAgainstReference, MatchesBisectedRateWithinFiftyEvaluations) {
    const RateCase& c = GetParam();
    const auto timing = c.beginning ? PaymentTiming::BeginningOfMonth : PaymentTiming::EndOfMonth;
    const LoanRateResult r = FindLoanRate({c.amount, c.instalment, c.months, timing});
    ASSERT_EQ(r.status, LoanRateStatus::Ok) << Describe(c);
    const double reference = ReferenceMonthlyRate(c.amount, c.instalment, c.months, c.beginning);
    EXPECT_NEAR(r.monthlyRate, reference, 1e-10 * reference) << Describe(c);
    EXPECT_NEAR(r.annualPercent, reference * 1200.0, 1e-9 * reference * 1200.0) << Describe(c);
    EXPECT_LE(r.iterations, 50) << Describe(c);
}

std::vector<RateCase> RateGrid() {
    std::vector<RateCase> cases;
    for (double k : {1000.0, 10000.0, 250000.0})
        for (double n : {3.0, 12.0, 24.5, 60.0, 120.0, 360.0})
            for (double excess : {0.02, 0.1, 0.3, 0.6, 0.95})  // R n = K (1 + excess)
                for (bool beginning : {false, true}) {
                    const double r = std::round(k * (1.0 + excess) / n * 100.0) / 100.0;
                    if (r < k / 200.0) continue;
                    cases.push_back({k, r, n, beginning});
                }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Grid, LoanRateAgainstReference, ::testing::ValuesIn(RateGrid()));

TEST(LoanRate, BeginningGivesHigherRateThanEnd) {
    for (double n : {6.0, 36.0, 240.0}) {
        const double r = 10000.0 * 1.3 / n;
        const auto end = FindLoanRate({10000, r, n, PaymentTiming::EndOfMonth});
        const auto begin = FindLoanRate({10000, r, n, PaymentTiming::BeginningOfMonth});
        ASSERT_EQ(end.status, LoanRateStatus::Ok);
        ASSERT_EQ(begin.status, LoanRateStatus::Ok);
        EXPECT_GT(begin.monthlyRate, end.monthlyRate) << "n=" << n;
    }
}

TEST(LoanRate, OneMonthHasTheSimpleRate) {
    // One payment at the end of the month: K (1 + i) = R.
    const auto r = FindLoanRate({1000, 1010, 1, PaymentTiming::EndOfMonth});
    ASSERT_EQ(r.status, LoanRateStatus::Ok);
    EXPECT_NEAR(r.monthlyRate, 0.01, 1e-14);
}

TEST(LoanRate, TwoPaymentsAtTheBeginningSolveLinearly) {
    // R (1 + v) = K with v = 1 / (1 + i): K 10000, R 9999.99 gives v = 1e-6 (a huge rate).
    const auto r = FindLoanRate({10000, 9999.99, 2, PaymentTiming::BeginningOfMonth});
    ASSERT_EQ(r.status, LoanRateStatus::Ok);
    const double v = 10000.0 / 9999.99 - 1.0;
    EXPECT_NEAR(r.monthlyRate, 1.0 / v - 1.0, 1e-6 * (1.0 / v));
    EXPECT_LE(r.iterations, 50);
}

struct LimitCase {
    const char* name;
    double amount, instalment, months;
    LoanRateStatus status;
};

class LoanRateLimits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(LoanRateLimits, InTheirOrder) {
    const LimitCase& c = GetParam();
    EXPECT_EQ(FindLoanRate({c.amount, c.instalment, c.months, PaymentTiming::EndOfMonth}).status, c.status);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoanRateLimits,
    ::testing::Values(
        LimitCase{"rate_below_half_percent", 10000, 49.99, 300, LoanRateStatus::InstalmentBelowHalfPercent},
        LimitCase{"rate_exactly_half_percent_passes_first", 10000, 50, 200, LoanRateStatus::PaymentsNotAboveAmount},
        LimitCase{"product_equals_amount", 10000, 200, 50, LoanRateStatus::PaymentsNotAboveAmount},
        LimitCase{"product_equals_twice_amount", 10000, 200, 100, LoanRateStatus::PaymentsTooLarge},
        LimitCase{"product_above_twice_amount", 10000, 200, 120, LoanRateStatus::PaymentsTooLarge},
        // the first limit wins over the second when both fail
        LimitCase{"first_before_second", 10000, 10, 10, LoanRateStatus::InstalmentBelowHalfPercent},
        LimitCase{"negative_amount", -10000, 200, 60, LoanRateStatus::PaymentsTooLarge},
        LimitCase{"zero_everything", 0, 0, 0, LoanRateStatus::PaymentsNotAboveAmount},
        LimitCase{"negative_term", 10000, 200, -60, LoanRateStatus::PaymentsNotAboveAmount},
        LimitCase{"nan_term", 10000, 200, std::nan(""), LoanRateStatus::NotConverged}),
    CaseName<LimitCase>);

TEST(LoanRate, BeginningWithInstalmentAboveAmountHasNoSolution) {
    // The first instalment alone is worth more than the loan: no positive rate repays it.
    const auto r = FindLoanRate({100, 150, 1.2, PaymentTiming::BeginningOfMonth});
    EXPECT_EQ(r.status, LoanRateStatus::NoSolution);
    // At the end of the month the same inputs do have a rate.
    const auto end = FindLoanRate({100, 150, 1.2, PaymentTiming::EndOfMonth});
    ASSERT_EQ(end.status, LoanRateStatus::Ok);
    EXPECT_NEAR(zolt::InstalmentPresentValue(150, end.monthlyRate, 1.2, PaymentTiming::EndOfMonth), 100.0, 1e-10);
}

TEST(LoanRate, AStarvedSearchSaysNotConverged) {
    RateSearchSettings settings;
    settings.maxIterations = 2;
    const auto r = FindLoanRate({10000, 200, 60, PaymentTiming::EndOfMonth}, settings);
    EXPECT_EQ(r.status, LoanRateStatus::NotConverged);
    EXPECT_EQ(r.annualPercent, 0.0);
}

// Every input that passes the limits is either solved within fifty evaluations, with a rate
// that balances the amount, or (payments at the beginning, R >= K) has no rate at all.
TEST(LoanRate, RandomPlausibleInputsConvergeWithinFiftyEvaluations) {
    std::mt19937_64 random(4711);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    auto currency = [](double v) { return std::nearbyint(v * 10000.0) / 10000.0; };
    int searched = 0;
    for (int c = 0; c < 20000; ++c) {
        LoanRateInputs in;
        in.amount = currency(std::pow(10.0, -2.0 + unit(random) * 16.9));
        in.months = std::max(0.0001, currency(std::pow(10.0, -4.0 + unit(random) * 6.6)));
        const double f = c % 3 == 0 ? std::pow(10.0, -15.0 * unit(random)) : unit(random);
        in.instalment = currency(in.amount / in.months * (1.0 + f));
        in.timing = c % 2 ? PaymentTiming::BeginningOfMonth : PaymentTiming::EndOfMonth;
        const LoanRateResult r = FindLoanRate(in);
        if (r.status == LoanRateStatus::InstalmentBelowHalfPercent || r.status == LoanRateStatus::PaymentsNotAboveAmount ||
            r.status == LoanRateStatus::PaymentsTooLarge)
            continue;
        ++searched;
        const RateCase described{in.amount, in.instalment, in.months, c % 2 == 1};
        ASSERT_LE(r.iterations, 50) << Describe(described);
        if (r.status == LoanRateStatus::NoSolution) {
            ASSERT_EQ(in.timing, PaymentTiming::BeginningOfMonth) << Describe(described);
            ASSERT_GE(in.instalment, in.amount) << Describe(described);
            continue;
        }
        ASSERT_EQ(r.status, LoanRateStatus::Ok) << Describe(described);
        ASSERT_GT(r.monthlyRate, 0.0) << Describe(described);
        ASSERT_TRUE(std::isfinite(r.annualPercent)) << Describe(described);
        const double pv = InstalmentPresentValue(in.instalment, r.monthlyRate, in.months, in.timing);
        ASSERT_NEAR(pv, in.amount, 1e-12 * in.amount) << Describe(described);
    }
    EXPECT_GT(searched, 10000);
}

TEST(LoanRate, NearlyInterestFreeLoansResolveTinyRates) {
    // R n exceeds K by a cent in ten million: the rate is tiny but positive and repays K.
    const auto r = FindLoanRate({1e7, 1e7 / 120.0 + 0.0001 / 120.0, 120, PaymentTiming::EndOfMonth});
    ASSERT_EQ(r.status, LoanRateStatus::Ok);
    EXPECT_GT(r.monthlyRate, 0.0);
    EXPECT_LT(r.monthlyRate, 1e-12);
    EXPECT_LE(r.iterations, 50);
}

// ---- loan comparison -----------------------------------------------------------------------

double Cents(double value) { return std::round(value * 100.0) / 100.0; }

TEST(LoanOffer, WorkedExampleOfferThree) {
    const LoanOfferResult r = ComputeLoanOffer({20000, 1, 11, 36});
    ASSERT_EQ(r.status, LoanOfferStatus::Ok);
    EXPECT_DOUBLE_EQ(Cents(r.grossLoan), 20202.02);
    EXPECT_DOUBLE_EQ(Cents(r.fee), 202.02);
    EXPECT_DOUBLE_EQ(Cents(r.instalment), 661.39);
    EXPECT_DOUBLE_EQ(Cents(r.total), 23809.98);
    EXPECT_DOUBLE_EQ(Cents(r.interest), 3607.96);
}

struct OfferCase {
    const char* name;
    double amount, fee, percent, months;
};

class LoanOfferRepays : public ::testing::TestWithParam<OfferCase> {};

TEST_P(LoanOfferRepays, InstalmentsClearTheGrossLoan) {
    const OfferCase& c = GetParam();
    const LoanOfferResult r = ComputeLoanOffer({c.amount, c.fee, c.percent, c.months});
    ASSERT_EQ(r.status, LoanOfferStatus::Ok);
    // A keeps after the fee of F percent of the gross loan.
    EXPECT_NEAR(r.grossLoan * (1.0 - c.fee / 100.0), c.amount, 1e-9 * c.amount);
    EXPECT_NEAR(r.fee, r.grossLoan - c.amount, 1e-9);
    // Month by month the instalments repay the gross loan exactly.
    EXPECT_NEAR(BalanceAfter(r.grossLoan, c.percent / 1200.0, r.instalment, c.months), 0.0, 1e-7 * r.grossLoan);
    EXPECT_NEAR(r.total, r.instalment * c.months, 1e-9 * r.total);
    EXPECT_NEAR(r.interest, r.total - r.grossLoan, 1e-9 * r.total);
    if (c.fee == 0.0) {
        EXPECT_EQ(r.fee, 0.0);
    }
    if (c.percent == 0.0) {
        EXPECT_NEAR(r.interest, 0.0, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LoanOfferRepays,
                         ::testing::Values(OfferCase{"offer1_fee2_rate9", 20000, 2, 9, 12},
                                           OfferCase{"fee0", 20000, 0, 7.5, 24},
                                           OfferCase{"long", 150000, 3.5, 4.2, 360},
                                           OfferCase{"rate0", 20000, 1, 0, 36},
                                           OfferCase{"fractional_term", 5000, 1, 6, 12.5},
                                           OfferCase{"fee_99_9999", 100, 99.9999, 5, 12}),
                         CaseName<OfferCase>);

struct RefusedOfferCase {
    const char* name;
    double amount, fee, percent, months;
};

class LoanOfferRefusals : public ::testing::TestWithParam<RefusedOfferCase> {};

TEST_P(LoanOfferRefusals, AreRefused) {
    const RefusedOfferCase& c = GetParam();
    EXPECT_EQ(ComputeLoanOffer({c.amount, c.fee, c.percent, c.months}).status, LoanOfferStatus::Refused);
}

INSTANTIATE_TEST_SUITE_P(Cases, LoanOfferRefusals,
                         ::testing::Values(RefusedOfferCase{"negative_rate", 20000, 1, -5, 36},
                                           RefusedOfferCase{"fee_100", 20000, 100, 5, 36},
                                           RefusedOfferCase{"fee_above_100", 20000, 150, 5, 36},
                                           RefusedOfferCase{"term_0", 20000, 1, 5, 0},
                                           RefusedOfferCase{"term_negative", 20000, 1, 5, -12},
                                           RefusedOfferCase{"nan_amount", std::nan(""), 1, 5, 12}),
                         CaseName<RefusedOfferCase>);

TEST(LoanOffer, ExtremeCurrencyInputsStayFinite) {
    // Largest amount, a fee just under 100 % and an absurd rate: huge but finite numbers.
    const LoanOfferResult r = ComputeLoanOffer({922337203685477.0, 99.9999, 922337203685477.0, 0.0001});
    EXPECT_EQ(r.status, LoanOfferStatus::Ok);
    EXPECT_TRUE(std::isfinite(r.total));
}

}  // namespace
}  // namespace zolt
