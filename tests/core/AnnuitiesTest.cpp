#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>

#include "core/Annuities.h"

namespace zolt {
namespace {

// --- perpetual annuity: the capital whose interest alone pays the annuity ----------------

struct PerpetualCase {
    const char* name;
    double monthly;
    double rate;
    std::optional<double> inflation;
    double expected;  // 12 × M / (real rate / 100), the present value of a perpetuity
};

class PerpetualKnownAnswers : public ::testing::TestWithParam<PerpetualCase> {};

TEST_P(PerpetualKnownAnswers, CapitalIsTwelveAnnuitiesOverTheRealRate) {
    const PerpetualCase& c = GetParam();
    const PerpetualResult result = PerpetualCapital({c.monthly, c.rate, c.inflation});
    ASSERT_TRUE(result.ok());
    EXPECT_NEAR(result.capital, c.expected, 1e-9 * std::fabs(c.expected) + 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Annuities, PerpetualKnownAnswers,
                         ::testing::Values(PerpetualCase{"Worked500At6", 500, 6, std::nullopt, 100'000},
                                           PerpetualCase{"Worked500At6Inflation2", 500, 6, 2.0, 150'000},
                                           PerpetualCase{"SmallRate", 100, 0.1, std::nullopt, 1'200'000},
                                           PerpetualCase{"FractionalRates", 250, 4.5, 1.5, 100'000},
                                           PerpetualCase{"ZeroAnnuity", 0, 5, std::nullopt, 0},
                                           // The inflation hint is advice only: a real rate below 0 is computed.
                                           PerpetualCase{"InflationAboveRate", 500, 2, 6.0, -150'000}),
                         [](const auto& row) { return std::string(row.param.name); });

struct PerpetualRefusal {
    const char* name;
    PerpetualInputs inputs;
    PerpetualError error;
};

class PerpetualRefusals : public ::testing::TestWithParam<PerpetualRefusal> {};

TEST_P(PerpetualRefusals, GiveTheirErrorAndNoNumber) {
    const PerpetualResult result = PerpetualCapital(GetParam().inputs);
    EXPECT_EQ(result.error, GetParam().error);
    EXPECT_TRUE(std::isfinite(result.capital));
}

INSTANTIATE_TEST_SUITE_P(
    Annuities, PerpetualRefusals,
    ::testing::Values(PerpetualRefusal{"RateZero", {500, 0, std::nullopt}, PerpetualError::ZeroRate},
                      PerpetualRefusal{"RateEqualsInflation", {500, 3.5, 3.5}, PerpetualError::RateEqualsInflation},
                      PerpetualRefusal{"HugeAnnuity", {1e308, 6, std::nullopt}, PerpetualError::OutOfRange},
                      PerpetualRefusal{"TinyRealRate", {1e300, 1e-300, std::nullopt}, PerpetualError::OutOfRange},
                      PerpetualRefusal{"InfiniteInput", {HUGE_VAL, 6, std::nullopt}, PerpetualError::OutOfRange},
                      PerpetualRefusal{"NaNInflation", {500, 6, std::nan("")}, PerpetualError::OutOfRange}),
    [](const auto& row) { return std::string(row.param.name); });

// --- capital annuity ------------------------------------------------------------------

// The capital after m months by the closed form of a sinking fund:
// K_m = C0 (1+r)^m − R ((1+r)^m − 1) / r, or C0 − m R without interest.
double ClosedFormCapital(double c0, double ratePercent, double annuity, long m) {
    const double r = ratePercent / 1200;
    if (r == 0) return c0 - static_cast<double>(m) * annuity;
    const double growth = std::pow(1 + r, static_cast<double>(m));
    return c0 * growth - annuity * (growth - 1) / r;
}

struct UsedUpCase {
    const char* name;
    double capital, rate, annuity;
    std::size_t rows;
    bool rest;
    long years, months;
    double remaining;
};

class CapitalAnnuityUsedUp : public ::testing::TestWithParam<UsedUpCase> {};

TEST_P(CapitalAnnuityUsedUp, CountsMonthsUntilTheCapitalFallsBelowTheAnnuity) {
    const UsedUpCase& c = GetParam();
    const CapitalAnnuityResult result = CapitalAnnuity({c.capital, c.rate, c.annuity});
    ASSERT_EQ(result.outcome, AnnuityOutcome::UsedUp);
    EXPECT_EQ(result.capitals.size(), c.rows);
    EXPECT_EQ(result.restLine, c.rest);
    EXPECT_EQ(result.years, c.years);
    EXPECT_EQ(result.months, c.months);
    EXPECT_NEAR(result.remaining, c.remaining, 0.005);
    for (std::size_t i = 0; i < result.capitals.size(); ++i)
        EXPECT_NEAR(result.capitals[i], ClosedFormCapital(c.capital, c.rate, c.annuity, static_cast<long>(i)), 1e-6)
            << "month " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Annuities, CapitalAnnuityUsedUp,
                         ::testing::Values(UsedUpCase{"Worked10000At6With500", 10'000, 6, 500, 22, true, 1, 9, 62.20},
                                           UsedUpCase{"RateZero", 1'000, 0, 400, 3, true, 0, 2, 200},
                                           UsedUpCase{"CapitalBelowAnnuityStillCountsAMonth", 300, 6, 500, 2, true, 0,
                                                      1, -198.50},
                                           // 1000 at 0 %: after 10 withdrawals of 100 exactly 0 is left, below 100.
                                           UsedUpCase{"ExactlyUsedUp", 1'000, 0, 100, 11, true, 0, 10, 0}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(CapitalAnnuity, MonthsUsedUpAgreeWithTheClosedForm) {
    // The first m with K_m < R, found from the closed form, for a grid of cases.
    for (double rate : {0.5, 3.0, 6.0, 12.0}) {
        for (double annuity : {300.0, 1'000.0, 2'500.0}) {
            const double capital = 100'000;
            if (capital * rate / 1200 >= annuity) continue;
            long expected = 1;
            while (ClosedFormCapital(capital, rate, annuity, expected) >= annuity) ++expected;
            const CapitalAnnuityResult result = CapitalAnnuity({capital, rate, annuity});
            ASSERT_EQ(result.outcome, AnnuityOutcome::UsedUp) << rate << " " << annuity;
            EXPECT_EQ(result.monthsPaid, expected) << rate << " " << annuity;
            EXPECT_EQ(result.years * 12 + result.months, expected);
        }
    }
}

struct PerpetualAnnuityCase {
    const char* name;
    double capital, rate, annuity;
    bool rest;
};

class CapitalAnnuityPerpetual : public ::testing::TestWithParam<PerpetualAnnuityCase> {};

TEST_P(CapitalAnnuityPerpetual, StopsAfterTwoRows) {
    const PerpetualAnnuityCase& c = GetParam();
    const CapitalAnnuityResult result = CapitalAnnuity({c.capital, c.rate, c.annuity});
    EXPECT_EQ(result.outcome, AnnuityOutcome::Perpetual);
    EXPECT_EQ(result.capitals.size(), 2u);
    EXPECT_EQ(result.restLine, c.rest);
}

INSTANTIATE_TEST_SUITE_P(Annuities, CapitalAnnuityPerpetual,
                         ::testing::Values(PerpetualAnnuityCase{"InterestEqualsWithdrawal", 100'000, 6, 500, false},
                                           PerpetualAnnuityCase{"InterestAboveWithdrawal", 200'000, 6, 500, false},
                                           PerpetualAnnuityCase{"NoWithdrawalNoInterest", 1'000, 0, 0, false},
                                           PerpetualAnnuityCase{"NoWithdrawalWithInterest", 1'000, 5, 0, false},
                                           PerpetualAnnuityCase{"NothingAtAll", 0, 0, 0, false}),
                         [](const auto& row) { return std::string(row.param.name); });

struct LongRunCase {
    const char* name;
    double capital, rate, annuity;
};

class CapitalAnnuityBounded : public ::testing::TestWithParam<LongRunCase> {};

TEST_P(CapitalAnnuityBounded, StopsAtTheMonthLimitQuickly) {
    const LongRunCase& c = GetParam();
    const auto start = std::chrono::steady_clock::now();
    const CapitalAnnuityResult result = CapitalAnnuity({c.capital, c.rate, c.annuity});
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(result.outcome, AnnuityOutcome::TooLong);
    EXPECT_EQ(result.monthsPaid, kMaxAnnuityMonths);
    EXPECT_EQ(result.capitals.size(), static_cast<std::size_t>(kMaxAnnuityMonths) + 1);
    for (double k : {result.capitals.front(), result.capitals.back()}) EXPECT_TRUE(std::isfinite(k));
    EXPECT_LT(std::chrono::duration<double>(elapsed).count(), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Annuities, CapitalAnnuityBounded,
                         ::testing::Values(
                             // 10^10 months of one ten-thousandth each.
                             LongRunCase{"TinyWithdrawal", 1'000'000, 0, 0.0001},
                             // The withdrawal is below the last bit of the capital: it never changes.
                             LongRunCase{"WithdrawalBelowResolution", 900'000'000'000'000, 0, 0.0001},
                             // A withdrawal one ten-thousandth above the interest at a tiny rate.
                             LongRunCase{"BarelyAboveInterest", 12'000'000, 0.0001, 1.0001}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(CapitalAnnuity, HonoursASmallerLimit) {
    const CapitalAnnuityResult result = CapitalAnnuity({1'000, 0, 1, 5});
    EXPECT_EQ(result.outcome, AnnuityOutcome::TooLong);
    EXPECT_EQ(result.capitals.size(), 6u);
    EXPECT_DOUBLE_EQ(result.capitals.back(), 995);
}

TEST(CapitalAnnuity, RefusesNonFiniteInputs) {
    for (const CapitalAnnuityInputs in :
         {CapitalAnnuityInputs{HUGE_VAL, 6, 500}, CapitalAnnuityInputs{1000, std::nan(""), 500},
          CapitalAnnuityInputs{1000, 6, -HUGE_VAL}}) {
        const CapitalAnnuityResult result = CapitalAnnuity(in);
        EXPECT_EQ(result.outcome, AnnuityOutcome::OutOfRange);
        EXPECT_TRUE(result.capitals.empty());
    }
}

TEST(CapitalAnnuity, ExtremeCurrencyInputsStayFinite) {
    // The largest values the currency reading lets through, in every combination of signs.
    constexpr double kBig = 922'337'203'685'477.0;
    for (double c0 : {kBig, -kBig, 0.0})
        for (double p : {kBig, -kBig, 0.0001, -0.0001})
            for (double r : {kBig, -kBig, 0.0001}) {
                const CapitalAnnuityResult result = CapitalAnnuity({c0, p, r, 10'000});
                ASSERT_NE(result.outcome, AnnuityOutcome::OutOfRange) << c0 << " " << p << " " << r;
                for (std::size_t line = 0; line < AnnuityTableLineCount(result); line += 997)
                    EXPECT_EQ(AnnuityTableLine(result, line).find("inf"), std::string::npos);
                EXPECT_TRUE(std::isfinite(result.remaining));
            }
}

// --- the month table's lines, character for character ----------------------------------

TEST(AnnuityTable, CellsWiderThanTheirColumnsStayUnpadded) {
    // 123.456.789,00 € fills its 16 characters exactly; 1.234.567.890,00 € is wider.
    EXPECT_EQ(AnnuityRow(1, 123'456'789, 0, 0), "001123.456.789,00 \u20AC        0,00 \u20AC 123.456.789,00 \u20AC");
    EXPECT_EQ(AnnuityRow(1000, 1'234'567'890, 0, 0),
              "10001.234.567.890,00 \u20AC        0,00 \u20AC1.234.567.890,00 \u20AC");
}

}  // namespace
}  // namespace zolt
