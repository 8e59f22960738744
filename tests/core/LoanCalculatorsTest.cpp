#include "core/LoanCalculators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "core/TargetSum.h"

namespace zolt {
namespace {

// Both calculators that pay at the beginning or the end of a period share one timing.
static_assert(std::is_same_v<decltype(LoanRateInputs::timing), decltype(TargetSumInputs::timing)>);

// ---- independent references ----------------------------------------------------------------

// Balance left after n monthly end-of-month instalments: K (1 + i)^n - R ((1 + i)^n - 1) / i.
double BalanceAfter(double k, double i, double r, double n) {
    if (i == 0.0) return k - r * n;
    const double growth = std::pow(1.0 + i, n);
    return k * growth - r * (growth - 1.0) / i;
}

// The root of f on [lo, hi] (f(lo) > 0 > f(hi)) by bisection.
template <typename F>
double Bisect(F f, double lo, double hi) {
    while (f(hi) > 0.0) hi *= 2.0;
    for (int step = 0; step < 300; ++step) {
        const double mid = 0.5 * (lo + hi);
        (f(mid) > 0.0 ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

std::string Describe(const LoanRateInputs& in) {
    std::ostringstream s;
    s << "K=" << in.amount << " R=" << in.instalment << " n=" << in.months
      << (in.timing == PaymentTiming::Beginning ? " Anfang" : " Ende");
    return s.str();
}

template <typename T>
std::string CaseName(const ::testing::TestParamInfo<T>& param) {
    return param.param.name;
}

// ---- loan term -----------------------------------------------------------------------------

struct TermCase {
    const char* name;
    double amount, percent, instalment;
    double years, months, total;  // whole years, rounded months, n to two decimals
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

// Without interest the term is amount / instalment, which makes the rounding of the
// remainder directly visible.
const TermCase kTermCases[] = {
    {"K10000_p6_R200", 10000, 6, 200, 4, 10, 57.68},   {"n35_7_gives_2y_12m", 357, 0, 10, 2, 12, 35.7},
    {"n36_gives_3y_0m", 360, 0, 10, 3, 0, 36},          {"half_to_even_up", 355, 0, 10, 2, 12, 35.5},
    {"half_to_even_down", 345, 0, 10, 2, 10, 34.5},     {"zero_amount", 0, 6, 200, 0, 0, 0},
    {"zero_amount_zero_rate", 0, 0, 200, 0, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(WorkedAndEdges, LoanTermExamples, ::testing::ValuesIn(kTermCases), CaseName<TermCase>);

TEST(LoanTerm, MatchesTheBisectedBalanceOverAGrid) {
    for (double k : {500.0, 10000.0, 250000.0, 3.5e6})
        for (double p : {0.0, 0.1, 1.5, 6.0, 7.5, 12.0, 35.0, -2.0})
            for (double share : {0.002, 0.01, 0.05, 0.2, 1.0, 3.0}) {
                const double r = k * share;
                if (p / 1200.0 * k >= r) continue;  // refused, below
                const LoanTermResult result = ComputeLoanTerm({k, p, r});
                ASSERT_EQ(result.status, LoanTermStatus::Ok);
                const double reference = Bisect([&](double n) { return BalanceAfter(k, p / 1200.0, r, n); }, 0.0, 1.0);
                EXPECT_NEAR(result.months, reference, 1e-9 * std::max(1.0, reference)) << k << " " << p << " " << r;
            }
}

TEST(LoanTerm, RefusesAnInstalmentWithoutRepaymentAndATermThatDoesNotExist) {
    // The instalment does not exceed the first month's interest (equal, below, negative, 0 at 0 %).
    for (const LoanTermInputs& in : {LoanTermInputs{10000, 6, 50}, LoanTermInputs{10000, 6, 49.99},
                                     LoanTermInputs{10000, 6, -200}, LoanTermInputs{10000, 0, 0}})
        EXPECT_EQ(ComputeLoanTerm(in).status, LoanTermStatus::InstalmentTooLow) << in.instalment;
    // A negative amount, a rate of -1200 %, a negative rate with a negative instalment, no number.
    for (const LoanTermInputs& in : {LoanTermInputs{-10000, 6, 200}, LoanTermInputs{-10000, 0, 200},
                                     LoanTermInputs{10000, -1200, 200}, LoanTermInputs{10000, -6, -10},
                                     LoanTermInputs{10000, 6, INFINITY}})
        EXPECT_EQ(ComputeLoanTerm(in).status, LoanTermStatus::NoTerm) << in.amount << " " << in.annualRatePercent;
}

// ---- loan rate -----------------------------------------------------------------------------

TEST(LoanRate, WorkedExampleBothTimings) {
    const LoanRateResult end = FindLoanRate({10000, 200, 60, PaymentTiming::End});
    const LoanRateResult begin = FindLoanRate({10000, 200, 60, PaymentTiming::Beginning});
    ASSERT_EQ(end.status, LoanRateStatus::Ok);
    ASSERT_EQ(begin.status, LoanRateStatus::Ok);
    EXPECT_NEAR(end.annualPercent, 7.42, 0.005);
    EXPECT_NEAR(begin.annualPercent, 7.69, 0.005);
    // Spreadsheet RATE(60; -200; 10000) = 0,6183413 % per month.
    EXPECT_NEAR(end.monthlyRate, 0.006183413, 5e-10);
}

TEST(LoanRate, MatchesTheBisectedRateOverAGrid) {
    for (double k : {1000.0, 10000.0, 250000.0})
        for (double n : {1.0, 3.0, 12.0, 24.5, 60.0, 120.0, 360.0})
            for (double excess : {0.02, 0.1, 0.3, 0.6, 0.95})  // R n = K (1 + excess)
                for (PaymentTiming timing : {PaymentTiming::End, PaymentTiming::Beginning}) {
                    const LoanRateInputs in{k, std::round(k * (1.0 + excess) / n * 100.0) / 100.0, n, timing};
                    const double t = timing == PaymentTiming::Beginning ? 1.0 : 0.0;
                    if (in.instalment < k / 200.0 || (t == 1.0 && in.instalment >= k)) continue;
                    const LoanRateResult r = FindLoanRate(in);
                    ASSERT_EQ(r.status, LoanRateStatus::Ok) << Describe(in);
                    // RATE: K = R (1 + i t) (1 - (1 + i)^-n) / i, with plain pow.
                    const double reference = Bisect(
                        [&](double i) { return in.instalment * (1.0 + i * t) * (1.0 - std::pow(1.0 + i, -n)) / i - k; },
                        1e-9, 1.0);
                    EXPECT_NEAR(r.monthlyRate, reference, 1e-10 * reference) << Describe(in);
                    EXPECT_NEAR(r.annualPercent, reference * 1200.0, 1e-9 * reference * 1200.0) << Describe(in);
                    EXPECT_LE(r.iterations, 50) << Describe(in);
                }
}

TEST(LoanRate, LimitsInTheirOrderThenTheSearch) {
    using enum LoanRateStatus;
    const std::pair<LoanRateInputs, LoanRateStatus> cases[] = {
        {{10000, 49.99, 300}, InstalmentBelowHalfPercent}, {{10000, 50, 200}, PaymentsNotAboveAmount},  // R = K / 200
        {{10000, 200, 50}, PaymentsNotAboveAmount},        {{10000, 200, 100}, PaymentsTooLarge},  // R n = K, R n = 2 K
        {{10000, 10, 10}, InstalmentBelowHalfPercent},     {{-10000, 200, 60}, PaymentsTooLarge},
        {{0, 0, 0}, PaymentsNotAboveAmount},               {{10000, 200, std::nan("")}, NotConverged},
        // The first instalment alone is worth more than the loan: no positive rate repays it.
        {{100, 150, 1.2, PaymentTiming::Beginning}, NoSolution}, {{100, 150, 1.2, PaymentTiming::End}, Ok}};
    for (const auto& [in, status] : cases) EXPECT_EQ(FindLoanRate(in).status, status) << Describe(in);
}

TEST(LoanRate, AStarvedSearchSaysNotConverged) {
    const auto r = FindLoanRate({10000, 200, 60, PaymentTiming::End}, {.maxIterations = 2});
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
        in.timing = c % 2 ? PaymentTiming::Beginning : PaymentTiming::End;
        const LoanRateResult r = FindLoanRate(in);
        if (r.status == LoanRateStatus::InstalmentBelowHalfPercent || r.status == LoanRateStatus::PaymentsNotAboveAmount ||
            r.status == LoanRateStatus::PaymentsTooLarge)
            continue;
        ++searched;
        ASSERT_LE(r.iterations, 50) << Describe(in);
        if (r.status == LoanRateStatus::NoSolution) {
            ASSERT_TRUE(in.timing == PaymentTiming::Beginning && in.instalment >= in.amount) << Describe(in);
            continue;
        }
        ASSERT_EQ(r.status, LoanRateStatus::Ok) << Describe(in);
        ASSERT_TRUE(r.monthlyRate > 0.0 && std::isfinite(r.annualPercent)) << Describe(in);
        const double pv = InstalmentPresentValue(in.instalment, r.monthlyRate, in.months, in.timing);
        ASSERT_NEAR(pv, in.amount, 1e-12 * in.amount) << Describe(in);
    }
    EXPECT_GT(searched, 10000);
}

TEST(LoanRate, NearlyInterestFreeLoansResolveTinyRates) {
    // R n exceeds K by a hair: the rate is tiny but positive. Its last digits lie below what the
    // present value can resolve, so the search must stop at that noise, not run out of steps.
    for (const LoanRateInputs& in : {LoanRateInputs{1e7, 1e7 / 120.0 + 0.0001 / 120.0, 120},
                                     LoanRateInputs{128872476834.559, 979916745.0582, 131.5137}}) {
        const auto r = FindLoanRate(in);
        ASSERT_EQ(r.status, LoanRateStatus::Ok) << Describe(in);
        EXPECT_TRUE(r.monthlyRate > 0.0 && r.monthlyRate < 1e-12) << r.monthlyRate;
    }
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

TEST(LoanOffer, InstalmentsClearTheGrossLoan) {
    for (const LoanOfferInputs& c : {LoanOfferInputs{20000, 2, 9, 12}, LoanOfferInputs{20000, 0, 7.5, 24},
                                     LoanOfferInputs{150000, 3.5, 4.2, 360}, LoanOfferInputs{20000, 1, 0, 36},
                                     LoanOfferInputs{1000, 0, 0, 7}, LoanOfferInputs{5000, 1, 6, 12.5},
                                     LoanOfferInputs{100, 99.9999, 5, 12}}) {
        SCOPED_TRACE(::testing::Message() << c.amount << " " << c.feePercent << " " << c.annualRatePercent);
        const LoanOfferResult r = ComputeLoanOffer(c);
        ASSERT_EQ(r.status, LoanOfferStatus::Ok);
        // A is what is left after the fee of F percent of the gross loan.
        EXPECT_NEAR(r.grossLoan * (1.0 - c.feePercent / 100.0), c.amount, 1e-9 * c.amount);
        EXPECT_NEAR(r.fee, r.grossLoan - c.amount, 1e-9);
        // Month by month the instalments repay the gross loan exactly.
        EXPECT_NEAR(BalanceAfter(r.grossLoan, c.annualRatePercent / 1200.0, r.instalment, c.months), 0.0,
                    1e-7 * r.grossLoan);
        EXPECT_NEAR(r.total, r.instalment * c.months, 1e-9 * r.total);
        EXPECT_NEAR(r.interest, r.total - r.grossLoan, 1e-9 * r.total);
        if (c.feePercent == 0.0) { EXPECT_EQ(r.fee, 0.0); }
        // Without interest there is none to show, not a rounding remainder of either sign.
        if (c.annualRatePercent == 0.0) { EXPECT_EQ(r.interest, 0.0); }
    }
}

TEST(LoanOffer, RefusalsAndExtremes) {
    for (const LoanOfferInputs& in : {LoanOfferInputs{20000, 1, -5, 36}, LoanOfferInputs{20000, 100, 5, 36},
                                      LoanOfferInputs{20000, 1, 5, 0}, LoanOfferInputs{std::nan(""), 1, 5, 12}})
        EXPECT_EQ(ComputeLoanOffer(in).status, LoanOfferStatus::Refused) << in.amount << " " << in.feePercent;
    // Largest amount, a fee just under 100 % and an absurd rate: huge but finite numbers.
    const LoanOfferResult r = ComputeLoanOffer({922337203685477.0, 99.9999, 922337203685477.0, 0.0001});
    EXPECT_EQ(r.status, LoanOfferStatus::Ok);
    EXPECT_TRUE(std::isfinite(r.total));
}

}  // namespace
}  // namespace zolt
