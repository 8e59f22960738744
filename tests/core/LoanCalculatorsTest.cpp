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

// Balance after n instalments at the end of each month: K (1 + i)^n - R ((1 + i)^n - 1) / i.
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
    s << "K=" << in.amount << " R=" << in.instalment << " n=" << in.months << (in.timing == PaymentTiming::End ? "" : " Anfang");
    return s.str();
}


struct TermCase { const char* name; LoanTermInputs in; LoanTermStatus status; double years, months, total; };

class LoanTermTest : public ::testing::TestWithParam<TermCase> {};

TEST_P(LoanTermTest, YearsAndRoundedMonthsOrTheRefusal) {
    const TermCase& c = GetParam();
    const LoanTermResult r = ComputeLoanTerm(c.in);
    ASSERT_EQ(r.status, c.status);
    EXPECT_EQ(r.wholeYears, c.years);
    EXPECT_EQ(r.remainingMonths, c.months);
    EXPECT_NEAR(r.months, c.total, 0.005);
}

// Without interest the term is K / R, which shows the rounding of the remainder. Refused: an
// instalment not above the first month's interest; no term for a negative amount or rate.
constexpr auto kOk = LoanTermStatus::Ok;
constexpr auto kTooLow = LoanTermStatus::InstalmentTooLow;
constexpr auto kNoTerm = LoanTermStatus::NoTerm;
const TermCase kTermCases[] = {
    {"K10000_p6_R200", {10000, 6, 200}, kOk, 4, 10, 57.68}, {"n35_7_gives_2y_12m", {357, 0, 10}, kOk, 2, 12, 35.7},
    {"n36_gives_3y_0m", {360, 0, 10}, kOk, 3, 0, 36},       {"half_to_even_up", {355, 0, 10}, kOk, 2, 12, 35.5},
    {"half_to_even_down", {345, 0, 10}, kOk, 2, 10, 34.5},  {"zero_amount", {0, 6, 200}, kOk, 0, 0, 0},
    {"zero_amount_zero_rate", {0, 0, 200}, kOk, 0, 0, 0},   {"equal", {10000, 6, 50}, kTooLow, 0, 0, 0},
    {"below", {10000, 6, 49.99}, kTooLow, 0, 0, 0},         {"negative", {10000, 6, -200}, kTooLow, 0, 0, 0},
    {"nothing", {10000, 0, 0}, kTooLow, 0, 0, 0},           {"negative_amount", {-10000, 6, 200}, kNoTerm, 0, 0, 0},
    {"negative_amount_0", {-10000, 0, 200}, kNoTerm, 0, 0, 0}, {"rate_minus_1200", {10000, -1200, 200}, kNoTerm, 0, 0, 0},
    {"all_negative", {10000, -6, -10}, kNoTerm, 0, 0, 0},   {"infinite", {10000, 6, INFINITY}, kNoTerm, 0, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(WorkedEdgesAndRefusals, LoanTermTest, ::testing::ValuesIn(kTermCases),
                         [](const auto& row) { return std::string(row.param.name); });


TEST(LoanRate, WorkedExampleBothTimings) {
    // Spreadsheet RATE(60; -200; 10000) = 0,6183413 % per month, 7,42 % a year; at the beginning 7,69 %.
    const LoanRateResult end = FindLoanRate({10000, 200, 60, PaymentTiming::End});
    EXPECT_NEAR(end.monthlyRate, 0.006183413, 5e-10);
    EXPECT_NEAR(end.annualPercent, 7.42, 0.005);
    EXPECT_NEAR(FindLoanRate({10000, 200, 60, PaymentTiming::Beginning}).annualPercent, 7.69, 0.005);
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

// Every input past the limits is solved within fifty evaluations, or has no rate (beginning, R >= K).
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
        using enum LoanRateStatus;
        if (r.status == InstalmentBelowHalfPercent || r.status == PaymentsNotAboveAmount || r.status == PaymentsTooLarge) continue;
        ++searched;
        ASSERT_LE(r.iterations, 50) << Describe(in);
        if (r.status == LoanRateStatus::NoSolution) {
            ASSERT_TRUE(in.timing == PaymentTiming::Beginning && in.instalment >= in.amount) << Describe(in);
            continue;
        }
        ASSERT_EQ(r.status, LoanRateStatus::Ok) << Describe(in);
        ASSERT_TRUE(r.monthlyRate > 0.0 && std::isfinite(r.annualPercent)) << Describe(in);
        ASSERT_NEAR(InstalmentPresentValue(in.instalment, r.monthlyRate, in.months, in.timing), in.amount, 1e-12 * in.amount)
            << Describe(in);
    }
    EXPECT_GT(searched, 10000);
}

TEST(LoanRate, NearlyInterestFreeLoansResolveTinyRates) {
    // R n exceeds K by a hair: the search must stop at the noise of the present value, not run out of steps.
    for (const LoanRateInputs& in : {LoanRateInputs{1e7, 1e7 / 120.0 + 0.0001 / 120.0, 120},
                                     LoanRateInputs{128872476834.559, 979916745.0582, 131.5137}}) {
        const auto r = FindLoanRate(in);
        ASSERT_EQ(r.status, LoanRateStatus::Ok) << Describe(in);
        EXPECT_TRUE(r.monthlyRate > 0.0 && r.monthlyRate < 1e-12) << r.monthlyRate;
    }
}


double Cents(double value) { return std::round(value * 100.0) / 100.0; }

TEST(LoanOffer, WorkedExampleOfferThree) {
    const LoanOfferResult r = ComputeLoanOffer({20000, 1, 11, 36});
    EXPECT_EQ(r.status, LoanOfferStatus::Ok);
    EXPECT_EQ((std::vector{Cents(r.grossLoan), Cents(r.fee), Cents(r.instalment), Cents(r.total), Cents(r.interest)}),
              (std::vector{20202.02, 202.02, 661.39, 23809.98, 3607.96}));
}

TEST(LoanOffer, InstalmentsClearTheGrossLoan) {
    for (const LoanOfferInputs& c : {LoanOfferInputs{20000, 2, 9, 12}, LoanOfferInputs{20000, 0, 7.5, 24},
                                     LoanOfferInputs{150000, 3.5, 4.2, 360}, LoanOfferInputs{20000, 1, 0, 36},
                                     LoanOfferInputs{1000, 0, 0, 7}, LoanOfferInputs{5000, 1, 6, 12.5},
                                     LoanOfferInputs{100, 99.9999, 5, 12}}) {
        SCOPED_TRACE(::testing::Message() << c.amount << " " << c.feePercent << " " << c.annualRatePercent);
        const LoanOfferResult r = ComputeLoanOffer(c);
        ASSERT_EQ(r.status, LoanOfferStatus::Ok);
        EXPECT_NEAR(r.grossLoan * (1.0 - c.feePercent / 100.0), c.amount, 1e-9 * c.amount);
        EXPECT_NEAR(r.fee, r.grossLoan - c.amount, 1e-9);
        EXPECT_NEAR(BalanceAfter(r.grossLoan, c.annualRatePercent / 1200.0, r.instalment, c.months), 0, 1e-7 * r.grossLoan);
        EXPECT_NEAR(r.total, r.instalment * c.months, 1e-9 * r.total);
        EXPECT_NEAR(r.interest, r.total - r.grossLoan, 1e-9 * r.total);
        if (c.feePercent == 0.0) { EXPECT_EQ(r.fee, 0.0); }
        if (c.annualRatePercent == 0.0) { EXPECT_EQ(r.interest, 0.0); }  // no rounding remainder of either sign
    }
}

TEST(LoanOffer, RefusalsAndExtremes) {
    for (const LoanOfferInputs& in : {LoanOfferInputs{20000, 1, -5, 36}, LoanOfferInputs{20000, 100, 5, 36},
                                      LoanOfferInputs{20000, 1, 5, 0}, LoanOfferInputs{std::nan(""), 1, 5, 12}})
        EXPECT_EQ(ComputeLoanOffer(in).status, LoanOfferStatus::Refused) << in.amount << " " << in.feePercent;
    // Largest amount, a fee just under 100 % and an absurd rate: huge but finite numbers.
    const LoanOfferResult r = ComputeLoanOffer({922337203685477.0, 99.9999, 922337203685477.0, 0.0001});
    EXPECT_TRUE(r.status == LoanOfferStatus::Ok && std::isfinite(r.total));
}

}  // namespace
}  // namespace zolt
