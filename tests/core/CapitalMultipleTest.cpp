#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/CapitalMultiple.h"

namespace zolt {
namespace {

double Read(const char* text) { return CurrencyNumber(text).Amount(); }

// A spreadsheet's NPER(rate; 0; −1; k) = ln(k) / ln(1 + rate), its fraction × 12 rounded by hand.
struct NperCase { const char* name; double rate; const char* multiple; double nper, years, months; };

// 2,3 is 23 tenths (not 22 as a binary 2.3 × 10 might give); 2,95 is taken as 2,9; after
// 1386,99 years the months round up to 12 and are carried into a year.
const NperCase kNperCases[] = {
    {"Worked5Doubling", 5, "2", 14.2066991, 14, 2},        {"Worked5Tripling", 5, "3", 22.5170853, 22, 6},
    {"TypedTenth", 5, "2,3", 17.0712507, 17, 1},           {"Worked5At2comma95", 5, "2,95", 21.8222413, 21, 10},
    {"Worked0comma1Fourfold", 0.1, "4", 1386.9873928, 1387, 0}, {"Doubling6", 6, "2", 11.8956610, 11, 11},
    {"Doubling8", 8, "2", 9.0064683, 9, 0},                 {"Doubling1", 1, "2", 69.6607169, 69, 8},
    {"Tenfold4", 4, "10", 58.7083943, 58, 9},               {"Triple2comma5", 2.5, "3", 44.4915371, 44, 6},
    {"Hundredfold25", 25, "100", 20.6377023, 20, 8},        {"Fivefold0comma5", 0.5, "5", 322.6916325, 322, 8},
};

class MultipleAgainstNper : public ::testing::TestWithParam<NperCase> {};

TEST_P(MultipleAgainstNper, ShowsYearsAndRoundedMonths) {
    const NperCase& c = GetParam();
    const MultipleResult result = CapitalMultiple(c.rate, Read(c.multiple));
    ASSERT_TRUE(result.ok());
    ASSERT_TRUE(result.multiple.has_value());
    EXPECT_NEAR(std::log(*result.multiple) / std::log(1 + c.rate / 100), c.nper, 1e-6);
    EXPECT_EQ(result.time.years, c.years);
    EXPECT_EQ(result.time.months, c.months);
}

INSTANTIATE_TEST_SUITE_P(CapitalMultiple, MultipleAgainstNper, ::testing::ValuesIn(kNperCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(CapitalMultiple, ShownTimeBracketsTheMultiple) {
    // Compound growth over the shown time, half a month either way, brackets k.
    for (double rate : {0.1, 0.7, 2.5, 5.0, 9.9, 25.0}) {
        for (double k = 2.0; k <= 50.0; k += 0.7) {
            const ShownTime time = TimeToMultiply(k, rate);
            ASSERT_TRUE(time.months >= 0 && time.months < 12) << time.months;
            const double shown = time.years + time.months / 12;
            EXPECT_LE(std::pow(1 + rate / 100, shown - 0.5 / 12), k * (1 + 1e-12)) << rate << " " << k;
            EXPECT_GE(std::pow(1 + rate / 100, shown + 0.5 / 12), k * (1 - 1e-12)) << rate << " " << k;
        }
    }
}

TEST(CapitalMultiple, LargestTenthIsExact) {
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"2", 20},         {"2,3", 23},  {"4,6", 46}, {"2,95", 29}, {"2,0999", 20}, {"1,9999", std::nullopt},
        {"-5", std::nullopt}, {"0", std::nullopt}, {"1000000000000", 10'000'000'000'000},
        {"922337203685477,5807", 9'223'372'036'854'775}};
    for (const auto& [text, tenths] : cases) EXPECT_EQ(LargestTenthMultiple(Read(text)), tenths) << text;
    const MultipleResult below = CapitalMultiple(5, Read("1,9999"));
    EXPECT_TRUE(below.ok());
    EXPECT_FALSE(below.multiple.has_value()) << "below 2 there is nothing to show";
}

TEST(CapitalMultiple, RefusesRatesThatNeverMultiply) {
    const std::pair<double, MultipleError> cases[] = {
        {0, MultipleError::RateNotPositive},   {-5, MultipleError::RateNotPositive},
        {-100, MultipleError::RateNotPositive}, {-250, MultipleError::RateNotPositive},
        {std::nan(""), MultipleError::OutOfRange}, {HUGE_VAL, MultipleError::OutOfRange}};
    for (const auto& [rate, error] : cases) {
        EXPECT_EQ(CapitalMultiple(rate, Read("3")).error, error) << rate;
        const MultipleDetails details = CapitalMultipleDetails(rate, Read("3"));
        EXPECT_EQ(details.error, error) << rate;
        EXPECT_EQ(details.lines, 0u);
    }
}


TEST(MultipleDetails, RunInHalvesUpToTheMultipleAndTheLimit) {
    const std::tuple<const char*, std::size_t, bool> cases[] = {
        {"2,95", 2, false},       {"1,9", 0, false},           {"2", 1, false},
        {"100", 197, false},      {"100000", 199'997, false},  {"100000,5", 199'997, true},
        {"1000000000000", 199'997, true}, {"922337203685477", 199'997, true}};
    for (const auto& [multiple, lines, truncated] : cases) {
        const MultipleDetails details = CapitalMultipleDetails(5, Read(multiple));
        EXPECT_EQ(details.lines, lines) << multiple;
        EXPECT_EQ(details.truncated, truncated) << multiple;
    }
}

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
        const MultipleResult one = CapitalMultiple(3.7, DetailMultiple(line));
        EXPECT_EQ(one.multiple, 2 + 0.5 * static_cast<double>(line));
        const std::string tail = "\t\t" + FormatNumber(one.time.years, "########00") + "\t " + FormatNumber(one.time.months, "##00");
        EXPECT_TRUE(DetailLine(details, line).ends_with(tail)) << line;
    }
}

}  // namespace
}  // namespace zolt
