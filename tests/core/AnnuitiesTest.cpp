#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>

#include "core/Annuities.h"

namespace zolt {
namespace {


struct PerpetualCase { const char* name; PerpetualInputs in; PerpetualError error; double capital; };

class PerpetualTest : public ::testing::TestWithParam<PerpetualCase> {};

// 12 × M / (real rate / 100), the present value of a perpetuity: 500 a month at 6 % need 100.000, with 2 %
// inflation 150.000; a real rate below 0 is computed; an infinite rate would divide the capital down to 0.
TEST_P(PerpetualTest, CapitalIsTwelveAnnuitiesOverTheRealRate) {
    const PerpetualResult result = PerpetualCapital(GetParam().in);
    EXPECT_EQ(result.error, GetParam().error);
    EXPECT_NEAR(result.capital, GetParam().capital, 1e-9 * std::fabs(GetParam().capital) + 1e-9);
}

constexpr auto kNone = PerpetualError::None;
constexpr auto kOutOfRange = PerpetualError::OutOfRange;
const PerpetualCase kPerpetualCases[] = {
    {"Worked500At6", {500, 6, std::nullopt}, kNone, 100'000},    {"Worked500At6Inflation2", {500, 6, 2.0}, kNone, 150'000},
    {"SmallRate", {100, 0.1, std::nullopt}, kNone, 1'200'000},   {"FractionalRates", {250, 4.5, 1.5}, kNone, 100'000},
    {"ZeroAnnuity", {0, 5, std::nullopt}, kNone, 0},             {"InflationAboveRate", {500, 2, 6.0}, kNone, -150'000},
    {"RateZero", {500, 0, std::nullopt}, PerpetualError::ZeroRate, 0},
    {"RateEqualsInflation", {500, 3.5, 3.5}, PerpetualError::RateEqualsInflation, 0},
    {"HugeAnnuity", {1e308, 6, std::nullopt}, kOutOfRange, 0},  {"TinyRealRate", {1e300, 1e-300, std::nullopt}, kOutOfRange, 0},
    {"InfiniteAnnuity", {HUGE_VAL, 6, std::nullopt}, kOutOfRange, 0},
    {"InfiniteRate", {500, HUGE_VAL, std::nullopt}, kOutOfRange, 0}, {"InfiniteInflation", {500, 6, HUGE_VAL}, kOutOfRange, 0},
};

INSTANTIATE_TEST_SUITE_P(Annuities, PerpetualTest, ::testing::ValuesIn(kPerpetualCases),
                         [](const auto& row) { return std::string(row.param.name); });


struct UsedUpCase { const char* name; CapitalAnnuityInputs in; std::size_t rows; long years, months; double rest; };

class CapitalAnnuityUsedUp : public ::testing::TestWithParam<UsedUpCase> {};

// Every month's capital against the closed form of a sinking fund,
// K_m = C0 (1+r)^m − R ((1+r)^m − 1) / r, or C0 − m R without interest.
TEST_P(CapitalAnnuityUsedUp, CountsMonthsUntilTheCapitalFallsBelowTheAnnuity) {
    const UsedUpCase& c = GetParam();
    const CapitalAnnuityResult result = CapitalAnnuity(c.in);
    ASSERT_EQ(result.outcome, AnnuityOutcome::UsedUp);
    EXPECT_EQ(result.capitals.size(), c.rows);
    EXPECT_TRUE(result.restLine);
    EXPECT_EQ(result.years, c.years);
    EXPECT_EQ(result.months, c.months);
    EXPECT_NEAR(result.remaining, c.rest, 0.005);
    const double r = c.in.nominalRate / 1200;
    for (std::size_t m = 0; m < result.capitals.size(); ++m) {
        const double growth = std::pow(1 + r, static_cast<double>(m));
        const double expected = r == 0 ? c.in.startCapital - static_cast<double>(m) * c.in.monthlyAnnuity
                                       : c.in.startCapital * growth - c.in.monthlyAnnuity * (growth - 1) / r;
        EXPECT_NEAR(result.capitals[m], expected, 1e-6) << "month " << m + 1;
    }
}

// 10.000 at 6 % less 500 a month lasts 1 year and 9 months, leaving 62,20. 1.000 at 0 % less
// 100 leaves exactly 0 after 10 months, which is below the annuity.
const UsedUpCase kUsedUpCases[] = {
    {"Worked10000At6With500", {10'000, 6, 500}, 22, 1, 9, 62.20}, {"RateZero", {1'000, 0, 400}, 3, 0, 2, 200},
    {"BelowTheAnnuityStillCountsAMonth", {300, 6, 500}, 2, 0, 1, -198.50},
    {"ExactlyUsedUp", {1'000, 0, 100}, 11, 0, 10, 0},
};

INSTANTIATE_TEST_SUITE_P(Annuities, CapitalAnnuityUsedUp, ::testing::ValuesIn(kUsedUpCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(CapitalAnnuity, PerpetualStopsAfterTwoRows) {
    // Interest equal to or above the withdrawal, or nothing withdrawn at all.
    for (const CapitalAnnuityInputs& in : {CapitalAnnuityInputs{100'000, 6, 500}, CapitalAnnuityInputs{200'000, 6, 500},
                                           CapitalAnnuityInputs{1'000, 0, 0}, CapitalAnnuityInputs{1'000, 5, 0},
                                           CapitalAnnuityInputs{0, 0, 0}}) {
        const CapitalAnnuityResult result = CapitalAnnuity(in);
        EXPECT_EQ(result.outcome, AnnuityOutcome::Perpetual) << in.startCapital;
        EXPECT_TRUE(result.capitals.size() == 2 && !result.restLine) << in.startCapital;
    }
}

TEST(CapitalAnnuity, StopsAtTheMonthLimitQuickly) {
    // 10^10 months of 0,0001; a withdrawal below the capital's last bit; one 0,0001 above the interest.
    for (const CapitalAnnuityInputs& in : {CapitalAnnuityInputs{1'000'000, 0, 0.0001},
                                           CapitalAnnuityInputs{900'000'000'000'000, 0, 0.0001},
                                           CapitalAnnuityInputs{12'000'000, 0.0001, 1.0001}}) {
        const auto start = std::chrono::steady_clock::now();
        const CapitalAnnuityResult result = CapitalAnnuity(in);
        EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 1.0);
        EXPECT_EQ(result.outcome, AnnuityOutcome::TooLong) << in.startCapital;
        EXPECT_EQ(result.monthsPaid, kMaxAnnuityMonths);
        EXPECT_EQ(result.capitals.size(), static_cast<std::size_t>(kMaxAnnuityMonths) + 1);
    }
    const CapitalAnnuityResult limited = CapitalAnnuity({1'000, 0, 1, 5});
    EXPECT_EQ(limited.outcome, AnnuityOutcome::TooLong);
    EXPECT_EQ(limited.capitals.size(), 6u);
    EXPECT_DOUBLE_EQ(limited.capitals.back(), 995);
}

TEST(CapitalAnnuity, NonFiniteInputsAreRefusedAndExtremeReadingsStayFinite) {
    for (const CapitalAnnuityInputs in : {CapitalAnnuityInputs{HUGE_VAL, 6, 500},
                                          CapitalAnnuityInputs{1000, std::nan(""), 500},
                                          CapitalAnnuityInputs{1000, 6, -HUGE_VAL}}) {
        const CapitalAnnuityResult result = CapitalAnnuity(in);
        EXPECT_TRUE(result.outcome == AnnuityOutcome::OutOfRange && result.capitals.empty());
    }
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


TEST(AnnuityTable, TheRestLineStandsBeforeTheLastMonthAndWideCellsStayUnpadded) {
    // 10.000 at 6 % less 500 a month: 21 months, the rest line, month 22 with 62,20 left.
    const CapitalAnnuityResult result = CapitalAnnuity({10'000, 6, 500});
    ASSERT_EQ(AnnuityTableLineCount(result), 23u);
    EXPECT_EQ(AnnuityTableLine(result, 0), "001     10.000,00 \u20AC       50,00 \u20AC       9.550,00 \u20AC");
    EXPECT_EQ(AnnuityTableLine(result, 20).substr(0, 3), "021");
    EXPECT_EQ(AnnuityTableLine(result, 21), kAnnuityRestLine);
    EXPECT_EQ(AnnuityTableLine(result, 22), "022         62,20 \u20AC        0,31 \u20AC        -437,49 \u20AC");
    EXPECT_EQ(AnnuityTableLine(result, 23), "");
    // 123.456.789,00 € fills its 16 characters exactly; 1.234.567.890,00 € is wider.
    EXPECT_EQ(AnnuityRow(1, 123'456'789, 0, 0), "001123.456.789,00 \u20AC        0,00 \u20AC 123.456.789,00 \u20AC");
    EXPECT_EQ(AnnuityRow(1000, 1'234'567'890, 0, 0), "10001.234.567.890,00 \u20AC        0,00 \u20AC1.234.567.890,00 \u20AC");
}

}  // namespace
}  // namespace zolt
