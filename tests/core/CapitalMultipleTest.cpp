#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/CapitalMultiple.h"

namespace zolt {
namespace {

Currency Units(std::int64_t tenThousandths) { return Currency{tenThousandths}; }
Currency Read(const char* text) { return CurrencyNumber(text).value; }

// Years and months from a spreadsheet's NPER(rate; 0; −1; k) = ln(k) / ln(1 + rate): the
// whole years, and the fraction times twelve rounded to a month by hand.
struct NperCase {
    const char* name;
    double rate;
    const char* multiple;
    double nper;  // the spreadsheet value
    double years;
    double months;
};

class MultipleAgainstNper : public ::testing::TestWithParam<NperCase> {};

TEST_P(MultipleAgainstNper, ShowsYearsAndRoundedMonths) {
    const NperCase& c = GetParam();
    const MultipleResult result = CapitalMultiple(c.rate, Read(c.multiple));
    ASSERT_TRUE(result.ok());
    ASSERT_TRUE(result.multiple.has_value());
    const double t = std::log(*result.multiple) / std::log(1 + c.rate / 100);
    EXPECT_NEAR(t, c.nper, 1e-6);
    EXPECT_EQ(result.time.years, c.years);
    EXPECT_EQ(result.time.months, c.months);
}

INSTANTIATE_TEST_SUITE_P(
    CapitalMultiple, MultipleAgainstNper,
    ::testing::Values(
        NperCase{"Worked5Doubling", 5, "2", 14.2066991, 14, 2}, NperCase{"Worked5Tripling", 5, "3", 22.5170853, 22, 6},
        // 2,95 is taken as 2,9.
        NperCase{"Worked5At2comma95", 5, "2,95", 21.8222413, 21, 10},
        // 1386,99 years: the months round up to 12 and are carried.
        NperCase{"Worked0comma1Fourfold", 0.1, "4", 1386.9873928, 1387, 0},
        NperCase{"Doubling6", 6, "2", 11.8956610, 11, 11}, NperCase{"Doubling8", 8, "2", 9.0064683, 9, 0},
        NperCase{"Doubling1", 1, "2", 69.6607169, 69, 8}, NperCase{"Tenfold4", 4, "10", 58.7083943, 58, 9},
        NperCase{"Triple2comma5", 2.5, "3", 44.4915371, 44, 6}, NperCase{"Hundredfold25", 25, "100", 20.6377023, 20, 8},
        NperCase{"Fivefold0comma5", 0.5, "5", 322.6916325, 322, 8}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CapitalMultiple, ShownTimeBracketsTheMultiple) {
    // Compound growth over the shown time, half a month either way, brackets k.
    for (double rate : {0.1, 0.7, 2.5, 5.0, 9.9, 25.0}) {
        for (double k = 2.0; k <= 50.0; k += 0.7) {
            const ShownTime time = TimeToMultiply(k, rate);
            ASSERT_GE(time.months, 0);
            ASSERT_LT(time.months, 12);
            const double shown = time.years + time.months / 12;
            EXPECT_LE(std::pow(1 + rate / 100, shown - 0.5 / 12), k * (1 + 1e-12)) << rate << " " << k;
            EXPECT_GE(std::pow(1 + rate / 100, shown + 0.5 / 12), k * (1 - 1e-12)) << rate << " " << k;
        }
    }
}

struct TenthCase {
    const char* name;
    const char* multiple;
    std::optional<std::int64_t> tenths;
};

class LargestTenth : public ::testing::TestWithParam<TenthCase> {};

TEST_P(LargestTenth, IsExact) { EXPECT_EQ(LargestTenthMultiple(Read(GetParam().multiple)), GetParam().tenths); }

INSTANTIATE_TEST_SUITE_P(CapitalMultiple, LargestTenth,
                         ::testing::Values(TenthCase{"Two", "2", 20}, TenthCase{"TwoComma3", "2,3", 23},
                                           TenthCase{"FourComma6", "4,6", 46}, TenthCase{"TwoComma95", "2,95", 29},
                                           TenthCase{"JustBelowATenth", "2,0999", 20},
                                           TenthCase{"JustBelowTwo", "1,9999", std::nullopt},
                                           TenthCase{"Negative", "-5", std::nullopt},
                                           TenthCase{"Zero", "0", std::nullopt},
                                           TenthCase{"TenToTheTwelve", "1000000000000", 10'000'000'000'000},
                                           TenthCase{"LargestCurrency", "922337203685477,5807", 9'223'372'036'854'775}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(CapitalMultiple, ResultUsesTheTypedTenth) {
    const MultipleResult result = CapitalMultiple(5, Read("2,3"));
    ASSERT_TRUE(result.multiple.has_value());
    EXPECT_DOUBLE_EQ(*result.multiple, 2.3);
    // ln 2,3 / ln 1,05 = 17,0713 years: 17 years, 1 month.
    EXPECT_EQ(result.time.years, 17);
    EXPECT_EQ(result.time.months, 1);
}

TEST(CapitalMultiple, BelowTwoThereIsNothingToShow) {
    const MultipleResult result = CapitalMultiple(5, Read("1,5"));
    EXPECT_TRUE(result.ok());
    EXPECT_FALSE(result.multiple.has_value());
}

struct RateRefusal {
    const char* name;
    double rate;
    MultipleError error;
};

class MultipleRateRefusals : public ::testing::TestWithParam<RateRefusal> {};

TEST_P(MultipleRateRefusals, RefuseResultAndDetails) {
    EXPECT_EQ(CapitalMultiple(GetParam().rate, Read("3")).error, GetParam().error);
    const MultipleDetails details = CapitalMultipleDetails(GetParam().rate, Read("3"));
    EXPECT_EQ(details.error, GetParam().error);
    EXPECT_EQ(details.lines, 0u);
}

INSTANTIATE_TEST_SUITE_P(CapitalMultiple, MultipleRateRefusals,
                         ::testing::Values(RateRefusal{"Zero", 0, MultipleError::RateNotPositive},
                                           RateRefusal{"Negative", -5, MultipleError::RateNotPositive},
                                           RateRefusal{"MinusHundred", -100, MultipleError::RateNotPositive},
                                           RateRefusal{"BelowMinusHundred", -250, MultipleError::RateNotPositive},
                                           RateRefusal{"NaN", std::nan(""), MultipleError::OutOfRange},
                                           RateRefusal{"Infinite", HUGE_VAL, MultipleError::OutOfRange}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(CapitalMultiple, ExtremeRatesAndMultiplesStayFinite) {
    for (double rate : {0.0001, 1e-4 * 3, 922'337'203'685'477.0}) {
        for (const char* n : {"2", "922337203685477,5807"}) {
            const MultipleResult result = CapitalMultiple(rate, Read(n));
            ASSERT_TRUE(result.ok());
            EXPECT_TRUE(std::isfinite(result.time.years));
            EXPECT_GE(result.time.years, 0);
        }
    }
}

// --- details list ----------------------------------------------------------------------

struct DetailCountCase {
    const char* name;
    const char* multiple;
    std::size_t lines;
    bool truncated;
};

class DetailCounts : public ::testing::TestWithParam<DetailCountCase> {};

TEST_P(DetailCounts, RunInHalvesUpToTheMultiple) {
    const MultipleDetails details = CapitalMultipleDetails(5, Read(GetParam().multiple));
    EXPECT_EQ(details.lines, GetParam().lines);
    EXPECT_EQ(details.truncated, GetParam().truncated);
}

INSTANTIATE_TEST_SUITE_P(CapitalMultiple, DetailCounts,
                         ::testing::Values(DetailCountCase{"StopsAt2comma5For2comma95", "2,95", 2, false},
                                           DetailCountCase{"BelowTwo", "1,9", 0, false},
                                           DetailCountCase{"Two", "2", 1, false},
                                           DetailCountCase{"Hundred", "100", 197, false},
                                           DetailCountCase{"AtTheLimit", "100000", 199'997, false},
                                           DetailCountCase{"JustAboveTheLimit", "100000,5", 199'997, true},
                                           DetailCountCase{"TenToTheTwelve", "1000000000000", 199'997, true},
                                           DetailCountCase{"LargestCurrency", "922337203685477", 199'997, true}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(MultipleDetails, WideMultiplesAreAddedUnpadded) {
    const MultipleDetails details = CapitalMultipleDetails(5, Read("1000000000000"));
    // Line 196 is the multiple 100: five characters, no padding left.
    EXPECT_EQ(DetailLine(details, 196).substr(0, 9), "\tn=100,0\t");
    EXPECT_EQ(DetailLine(details, 18).substr(0, 9), "\tn=11,0\t\t");
    EXPECT_EQ(DetailLine(details, details.lines - 1).substr(0, 12), "\tn=100000,0\t");
    EXPECT_EQ(DetailLine(details, details.lines), "");
}

TEST(MultipleDetails, EveryLineAgreesWithTheResultOfItsMultiple) {
    const MultipleDetails details = CapitalMultipleDetails(3.7, Read("40"));
    ASSERT_EQ(details.lines, 77u);
    for (std::size_t line = 0; line < details.lines; ++line) {
        const MultipleResult one = CapitalMultiple(3.7, Units(20'000 + 5'000 * static_cast<std::int64_t>(line)));
        ASSERT_TRUE(one.multiple.has_value());
        EXPECT_DOUBLE_EQ(DetailMultiple(line), *one.multiple);
        const std::string tail =
            "\t\t" + FormatNumber(one.time.years, "########00") + "\t " + FormatNumber(one.time.months, "##00");
        const std::string text = DetailLine(details, line);
        EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << line;
    }
}

}  // namespace
}  // namespace zolt
