#include "core/NumberRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace zolt {
namespace {

template <typename Row>
std::string RowName(const ::testing::TestParamInfo<Row>& row) {
    return row.param.name;
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::int64_t kMaxTicks = std::numeric_limits<std::int64_t>::max();

struct LeadingCase { const char* name; const char* text; double expected; };

const LeadingCase kLeadingCases[] = {
    {"TrailingLetters", "12abc", 12}, {"CommaStops", "5,5", 5},       {"GermanGroupedStopsAtComma", "1.234,56", 1.234},
    {"Empty", "", 0},                 {"Letters", "abc", 0},          {"BlanksInside", " 1 2.5x ", 12.5},
    {"TabsAndBreaks", "\t\r\n 42", 42}, {"Negative", "-7.25", -7.25}, {"PlusSign", "+3", 3},
    {"ExponentE", "1.5E3", 1500},     {"ExponentD", "2D2", 200},      {"NegativeExponent", "25e-1", 2.5},
    {"ExponentWithoutDigits", "7e", 7}, {"LeadingPoint", ".5", 0.5},  {"SecondPointStops", "1.2.3", 1.2},
    {"SignAlone", "-", 0},            {"BlankAfterSign", "- 5", -5},  {"Underflow", "1e-400", 0},
};

class LeadingNumberTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, Reads) {
    EXPECT_DOUBLE_EQ(LeadingNumber(GetParam().text), GetParam().expected) << "'" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumberTest, ::testing::ValuesIn(kLeadingCases), RowName<LeadingCase>);

TEST(NumberReadings, BeyondAndBelowTheDoubleRange) {
    EXPECT_TRUE(std::isinf(LeadingNumber("1e400")));
    EXPECT_LT(LeadingNumber("-1e400"), 0);
    EXPECT_FALSE(IsFinite(LeadingNumber("1e99999999999999999999")));
    EXPECT_DOUBLE_EQ(LeadingNumber("1e308"), 1e308);
    // 0,000…01 with 400 zeros: leading zeros must not make it look large.
    const std::string zeros(400, '0');
    EXPECT_EQ(LeadingNumber("0." + zeros + "1"), 0.0);
    EXPECT_EQ(LeadingNumber("-." + zeros + "1"), 0.0);
    EXPECT_TRUE(IsNumericText("0," + zeros + "1"));
    EXPECT_EQ(LocaleNumber("0," + zeros + "1"), 0.0);
    EXPECT_EQ(CurrencyNumber("0," + zeros + "1").value.tenThousandths, 0);
    // Leading zeros before a large number still overflow.
    EXPECT_FALSE(IsNumericText("000,001e400"));
    EXPECT_TRUE(std::isinf(LeadingNumber("0.001e400")));
}

TEST(NumberReadings, ReadOnlyTheCharactersOfTheText) {
    // A field text can be a view into a longer buffer: what follows it is not part of the number.
    EXPECT_EQ(LeadingNumber(std::string_view("123").substr(0, 2)), 12.0);
    EXPECT_TRUE(IsNumericText(std::string_view("5e3").substr(0, 1)));
    EXPECT_TRUE(IsNumericText(std::string_view("5 \t 9").substr(0, 2)));
}

struct LocaleCase { const char* name; const char* text; bool numeric; double value; };  // value: 0 when not numeric

const LocaleCase kLocaleCases[] = {
    {"Empty", "", false, 0},                   {"ThreeBlanks", "   ", false, 0},
    {"GermanGrouped", "1.234,56", true, 1234.56}, {"DecimalComma", "5,5", true, 5.5},
    {"Whole", "42", true, 42},                 {"SurroundingBlanks", "  7,25  ", true, 7.25},
    {"LeadingMinus", "-3,5", true, -3.5},      {"TrailingMinus", "3,5-", true, -3.5},
    {"LeadingPlus", "+8", true, 8},            {"CurrencyAfter", "1.234,50 \u20AC", true, 1234.5},
    {"CurrencyBefore", "\u20AC 12", true, 12}, {"Exponent", "1,5E3", true, 1500},
    {"NegativeExponent", "5e-2", true, 0.05},  {"LeadingComma", ",5", true, 0.5},
    {"TrailingComma", "5,", true, 5},          {"PointAsThousands", "1.5", true, 15},
    {"HugeButFinite", "1e308", true, 1e308},   {"Letters", "abc", false, 0},
    {"TrailingLetters", "12abc", false, 0},    {"TwoCommas", "1,2,3", false, 0},
    {"TwoSigns", "--5", false, 0},             {"SignsBothEnds", "-5-", false, 0},
    {"SignAlone", "-", false, 0},              {"CommaAlone", ",", false, 0},
    {"ExponentWithoutDigits", "5e", false, 0}, {"LeadingThousands", ".5", false, 0},
    {"BeyondDoubleRange", "1e400", false, 0},  {"BlankInsideNumber", "1 2", false, 0},
    {"CurrencyAlone", "\u20AC", false, 0},    {"LettersAfterExponent", "5e3x", false, 0},
};

class LocaleReadingTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleReadingTest, ChecksAndReads) {
    const LocaleCase& c = GetParam();
    EXPECT_EQ(IsNumericText(c.text), c.numeric) << "text: '" << c.text << "'";
    EXPECT_DOUBLE_EQ(LocaleNumber(c.text), c.value) << "text: '" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(Texts, LocaleReadingTest, ::testing::ValuesIn(kLocaleCases), RowName<LocaleCase>);

TEST(LocaleNumber, FollowsTheRegionalSettingsPassedIn) {
    const RegionalSettings english{".", ",", "$"};
    EXPECT_TRUE(IsNumericText("1,234.56", english));
    EXPECT_DOUBLE_EQ(LocaleNumber("1,234.56", english), 1234.56);
    EXPECT_TRUE(IsNumericText("$5", english));
    EXPECT_FALSE(IsNumericText("5 \u20AC", english));
    EXPECT_DOUBLE_EQ(LocaleNumber("1,234.56"), 0.0) << "not numeric under German settings";
}

struct CurrencyCase { const char* name; const char* text; std::int64_t tenThousandths; };

const CurrencyCase kCurrencyCases[] = {
    {"HalfToEvenDown", "0,00005", 0},    {"HalfToEvenUp", "0,00015", 2},     {"HalfOfOddUp", "0,00025", 2},
    {"AboveHalf", "0,000051", 1},        {"BelowHalf", "0,000049", 0},       {"NegativeHalf", "-0,00015", -2},
    {"Grouped", "1.234,5678", 12345678}, {"Exponent", "1,5E2", 1500000},     {"SmallExponent", "25E-5", 2},
    {"Zero", "0", 0},                    {"FarBelowATick", "1e-300", 0},     {"FourDecimals", "7,123456", 71235},
    {"Max", "922.337.203.685.477,5807", kMaxTicks},
    {"Min", "-922.337.203.685.477,5808", std::numeric_limits<std::int64_t>::min()},
    {"CarryIntoMax", "922.337.203.685.477,58065", kMaxTicks - 1},
};

class CurrencyNumberTest : public ::testing::TestWithParam<CurrencyCase> {};

TEST_P(CurrencyNumberTest, RoundsHalvesToEven) {
    const CurrencyReading reading = CurrencyNumber(GetParam().text);
    ASSERT_TRUE(reading.ok()) << GetParam().text;
    EXPECT_EQ(reading.value.tenThousandths, GetParam().tenThousandths) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, CurrencyNumberTest, ::testing::ValuesIn(kCurrencyCases), RowName<CurrencyCase>);

TEST(CurrencyNumber, ReportsOverflowAndNonNumericAsErrors) {
    for (const char* text :
         {"922.337.203.685.477,5808", "-922.337.203.685.477,5809", "1e308", "99999999999999999999999999"})
        EXPECT_EQ(CurrencyNumber(text).error, CurrencyError::Overflow) << text;
    EXPECT_EQ(CurrencyNumber("abc").error, CurrencyError::NotNumeric);
    EXPECT_EQ(CurrencyNumber("").error, CurrencyError::NotNumeric);
    EXPECT_DOUBLE_EQ(CurrencyNumber("1.000,00").Amount(), 1000.0);
}

struct MaskRow {
    const char* name;
    const char* mask;
    const char* big;
    const char* five;
    const char* half;
    const char* zero;
};

const MaskRow kMaskRows[] = {
    {"GroupedLong", "###,###,##0.00", "1.234.567,89", "5,00", "0,50", "0,00"},
    {"GroupedShort", "##,###,##0.00", "1.234.567,89", "5,00", "0,50", "0,00"},
    {"TwoDecimals", "#0.00", "1234567,89", "5,00", "0,50", "0,00"},
    {"TwoDecimalsWide", "##0.00", "1234567,89", "5,00", "0,50", "0,00"},
    {"NoIntegerDigit", "##.00", "1234567,89", "5,00", ",50", ",00"},
    {"NoIntegerDigitShort", "#.00", "1234567,89", "5,00", ",50", ",00"},
    {"OneDecimal", "#0.0", "1234567,9", "5,0", "0,5", "0,0"},
    {"OneDecimalShort", "0.0", "1234567,9", "5,0", "0,5", "0,0"},
    {"OptionalDecimals", "#0.##", "1234567,89", "5", "0,5", "0"},  // no separator without decimals
    {"TwoDigitsLong", "########00", "1234568", "05", "01", "00"},
    {"TwoDigitsMid", "##00", "1234568", "05", "01", "00"},
    {"TwoDigits", "00", "1234568", "05", "01", "00"},
    {"ThreeDigits", "000", "1234568", "005", "001", "000"},
    {"NoDigitForced", "##", "1234568", "5", "1", ""},
};

class MaskTableTest : public ::testing::TestWithParam<MaskRow> {};

TEST_P(MaskTableTest, RendersTheTableValues) {
    const MaskRow& r = GetParam();
    EXPECT_EQ(FormatNumber(1234567.891, r.mask), r.big) << r.mask;
    EXPECT_EQ(FormatNumber(5, r.mask), r.five) << r.mask;
    EXPECT_EQ(FormatNumber(0.5, r.mask), r.half) << r.mask;
    EXPECT_EQ(FormatNumber(0, r.mask), r.zero) << r.mask;
}

INSTANTIATE_TEST_SUITE_P(Masks, MaskTableTest, ::testing::ValuesIn(kMaskRows), RowName<MaskRow>);

struct FormatCase { const char* name; double value; const char* mask; const char* text; };

const FormatCase kFormatCases[] = {
    {"HalfAwayFromZero", 2.5, "00", "03"}, {"NegativeHalfAwayFromZero", -2.5, "00", "-03"},
    {"HalfCent", 0.125, "#0.00", "0,13"}, {"NegativeHalfCent", -0.125, "#0.00", "-0,13"},
    {"DecimalHalf", 1.005, "#0.00", "1,01"},  // stored just below the half; the masks see 15 digits
    {"CarryIntoTens", 9.995, "#0.00", "10,00"}, {"CarryIntoAGroup", 999999.995, "###,###,##0.00", "1.000.000,00"},
    {"Negative", -12.94, "##.00", "-12,94"}, {"NegativeHalf", -0.5, "##.00", "-,50"},
    {"NegativeGrouped", -1234567.891, "###,###,##0.00", "-1.234.567,89"},
    // A negative value keeps its sign when it rounds to zero; -0.0 is zero and has none.
    {"NegativeRoundsToZero", -0.001, "##.00", "-,00"}, {"NegativeRoundsToZeroForced", -0.001, "#0.00", "-0,00"},
    {"NegativeZero", -0.0, "#0.00", "0,00"}, {"NegativeZeroCurrency", -0.0, "Currency", "0,00 \u20AC"},
    {"CurrencyNegativeRoundsToZero", -0.004, "Currency", "-0,00 \u20AC"},
    {"Currency", 1234.5, "Currency", "1.234,50 \u20AC"}, {"CurrencyLowerCase", 1234.5, "currency", "1.234,50 \u20AC"},
    {"CurrencyZero", 0, "Currency", "0,00 \u20AC"}, {"CurrencyNegative", -398.885, "Currency", "-398,89 \u20AC"},
    {"CurrencyTenTrillion", 1e13, "Currency", "10.000.000.000.000,00 \u20AC"},
    {"Bytes", 1234567, "#,# \\b\\y\\t\\e\\s", "1.234.567 bytes"}, {"ZeroBytes", 0, "#,# \\b\\y\\t\\e\\s", " bytes"},
    {"QuotedLiteral", 7, "0\" km\"", "7 km"}, {"TrailingBackslash", 5, "0\\", "5\\"}, {"TextMask", 3, "@@@", "  3"},
    {"TextMaskWide", 45, "@@@@", "  45"}, {"AllIntegerDigits", 1e20, "#0.00", "100000000000000000000,00"},
    {"InfinityIsEmpty", kInf, "#0.00", ""}, {"NaNIsEmpty", std::nan(""), "Currency", ""},
    {"DayAfterACentury", DateSerial(2100, 3, 1), "dd.mm.yyyy", "01.03.2100"},
    {"DateZero", DateSerial(1899, 12, 30), "dd.mm.yyyy", "30.12.1899"},
    {"LeapDay", DateSerial(2000, 2, 29), "dd.mm.yyyy", "29.02.2000"},
    {"YearZero", DateSerial(0, 2, 28), "dd.mm.yyyy", "28.02.0000"}, {"Time", TimeSerial(9, 5, 0), "hh:mm", "09:05"},
    {"TimeOfADate", DateSerial(2026, 1, 1) + TimeSerial(23, 59, 0), "hh:mm", "23:59"},
};

class FormatNumberTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, Renders) {
    EXPECT_EQ(FormatNumber(GetParam().value, GetParam().mask), GetParam().text) << GetParam().mask;
}

INSTANTIATE_TEST_SUITE_P(Values, FormatNumberTest, ::testing::ValuesIn(kFormatCases), RowName<FormatCase>);

TEST(FormatNumber, TextsAndHugeValues) {
    EXPECT_EQ(FormatText("12345", "@@@"), "12345") << "a longer text is kept whole";
    EXPECT_EQ(FormatText("\u20AC", "@@@"), "  \u20AC") << "width counts characters, not bytes";
    EXPECT_EQ(FormatNumber(1e308, "#0.00").size(), 309u + 3u);
}

TEST(FormatGeneral, WritesNumbersWithoutAMask) {
    const std::pair<double, const char*> cases[] = {
        {6, "6"},           {12, "12"},          {2.5, "2,5"}, {-0.25, "-0,25"}, {0.1 + 0.2, "0,3"},  // 15 digits
        {123456789012345.0, "123456789012345"}, {1e15, "1E+15"}, {1.5e-7, "1,5E-07"}, {0.0001, "0,0001"},
        {kInf, ""}};
    for (const auto& [value, text] : cases) EXPECT_EQ(FormatGeneral(value), text) << value;
}

}  // namespace
}  // namespace zolt
