#include "core/NumberRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace zolt {
namespace {

// ---------------------------------------------------------------------------------------
// LeadingNumber

struct LeadingCase {
    const char* name;
    const char* text;
    double expected;
};

class LeadingNumberTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, Reads) {
    const LeadingCase& c = GetParam();
    EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.expected) << "text: '" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    ::testing::Values(LeadingCase{"TrailingLetters", "12abc", 12}, LeadingCase{"CommaStops", "5,5", 5},
                      LeadingCase{"GermanGroupedStopsAtComma", "1.234,56", 1.234}, LeadingCase{"Empty", "", 0},
                      LeadingCase{"Letters", "abc", 0}, LeadingCase{"BlanksInside", " 1 2.5x ", 12.5},
                      LeadingCase{"TabsAndBreaks", "\t\r\n 42", 42}, LeadingCase{"Negative", "-7.25", -7.25},
                      LeadingCase{"PlusSign", "+3", 3}, LeadingCase{"ExponentE", "1.5E3", 1500},
                      LeadingCase{"ExponentD", "2D2", 200}, LeadingCase{"NegativeExponent", "25e-1", 2.5},
                      LeadingCase{"ExponentWithoutDigits", "7e", 7}, LeadingCase{"LeadingPoint", ".5", 0.5},
                      LeadingCase{"SecondPointStops", "1.2.3", 1.2}, LeadingCase{"SignAlone", "-", 0},
                      LeadingCase{"BlankAfterSign", "- 5", -5}, LeadingCase{"Underflow", "1e-400", 0}),
    [](const ::testing::TestParamInfo<LeadingCase>& row) { return std::string(row.param.name); });

TEST(LeadingNumber, TextBeyondTheDoubleRangeReadsAsInfinity) {
    EXPECT_TRUE(std::isinf(LeadingNumber("1e400")));
    EXPECT_LT(LeadingNumber("-1e400"), 0);
    EXPECT_FALSE(IsFinite(LeadingNumber("1e99999999999999999999")));
    EXPECT_DOUBLE_EQ(LeadingNumber("1e308"), 1e308);
}

TEST(NumberReadings, TextBelowTheDoubleRangeReadsAsZeroNotInfinity) {
    // 0,000…01 with 400 zeros: leading zeros must not make it look large.
    const std::string zeros(400, '0');
    EXPECT_EQ(LeadingNumber("0." + zeros + "1"), 0.0);
    EXPECT_EQ(LeadingNumber("-." + zeros + "1"), 0.0);
    EXPECT_TRUE(IsNumericText("0," + zeros + "1"));
    EXPECT_EQ(LocaleNumber("0," + zeros + "1"), 0.0);
    const CurrencyReading tiny = CurrencyNumber("0," + zeros + "1");
    ASSERT_TRUE(tiny.ok());
    EXPECT_EQ(tiny.value.tenThousandths, 0);
    // Leading zeros before a large number still overflow.
    EXPECT_FALSE(IsNumericText("000,001e400"));
    EXPECT_TRUE(std::isinf(LeadingNumber("0.001e400")));
}

// ---------------------------------------------------------------------------------------
// IsNumericText and LocaleNumber

struct LocaleCase {
    const char* name;
    const char* text;
    bool numeric;
    double value;  // read value; 0 when not numeric
};

class LocaleReadingTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleReadingTest, ChecksAndReads) {
    const LocaleCase& c = GetParam();
    EXPECT_EQ(IsNumericText(c.text), c.numeric) << "text: '" << c.text << "'";
    EXPECT_DOUBLE_EQ(LocaleNumber(c.text), c.value) << "text: '" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LocaleReadingTest,
    ::testing::Values(
        LocaleCase{"Empty", "", false, 0}, LocaleCase{"ThreeBlanks", "   ", false, 0},
        LocaleCase{"GermanGrouped", "1.234,56", true, 1234.56}, LocaleCase{"DecimalComma", "5,5", true, 5.5},
        LocaleCase{"Whole", "42", true, 42}, LocaleCase{"SurroundingBlanks", "  7,25  ", true, 7.25},
        LocaleCase{"LeadingMinus", "-3,5", true, -3.5}, LocaleCase{"TrailingMinus", "3,5-", true, -3.5},
        LocaleCase{"LeadingPlus", "+8", true, 8}, LocaleCase{"CurrencyAfter", "1.234,50 \u20AC", true, 1234.5},
        LocaleCase{"CurrencyBefore", "\u20AC 12", true, 12}, LocaleCase{"Exponent", "1,5E3", true, 1500},
        LocaleCase{"NegativeExponent", "5e-2", true, 0.05}, LocaleCase{"LeadingComma", ",5", true, 0.5},
        LocaleCase{"TrailingComma", "5,", true, 5}, LocaleCase{"PointAsThousands", "1.5", true, 15},
        LocaleCase{"HugeButFinite", "1e308", true, 1e308}, LocaleCase{"Letters", "abc", false, 0},
        LocaleCase{"TrailingLetters", "12abc", false, 0}, LocaleCase{"TwoCommas", "1,2,3", false, 0},
        LocaleCase{"TwoSigns", "--5", false, 0}, LocaleCase{"SignsBothEnds", "-5-", false, 0},
        LocaleCase{"SignAlone", "-", false, 0}, LocaleCase{"CommaAlone", ",", false, 0},
        LocaleCase{"ExponentWithoutDigits", "5e", false, 0}, LocaleCase{"LeadingThousands", ".5", false, 0},
        LocaleCase{"BeyondDoubleRange", "1e400", false, 0}, LocaleCase{"BlankInsideNumber", "1 2", false, 0},
        LocaleCase{"CurrencyAlone", "\u20AC", false, 0}),
    [](const ::testing::TestParamInfo<LocaleCase>& row) { return std::string(row.param.name); });

TEST(LocaleNumber, FollowsTheRegionalSettingsPassedIn) {
    RegionalSettings english;
    english.decimalSeparator = ".";
    english.thousandsSeparator = ",";
    english.currencySymbol = "$";
    EXPECT_TRUE(IsNumericText("1,234.56", english));
    EXPECT_DOUBLE_EQ(LocaleNumber("1,234.56", english), 1234.56);
    EXPECT_TRUE(IsNumericText("$5", english));
    EXPECT_FALSE(IsNumericText("5 \u20AC", english));
    EXPECT_DOUBLE_EQ(LocaleNumber("1,234.56"), 0.0) << "not numeric under German settings";
}

// ---------------------------------------------------------------------------------------
// CurrencyNumber

struct CurrencyCase {
    const char* name;
    const char* text;
    std::int64_t tenThousandths;
};

class CurrencyNumberTest : public ::testing::TestWithParam<CurrencyCase> {};

TEST_P(CurrencyNumberTest, RoundsHalvesToEven) {
    const CurrencyCase& c = GetParam();
    const CurrencyReading reading = CurrencyNumber(c.text);
    ASSERT_TRUE(reading.ok()) << c.text;
    EXPECT_EQ(reading.value.tenThousandths, c.tenThousandths) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CurrencyNumberTest,
    ::testing::Values(CurrencyCase{"HalfToEvenDown", "0,00005", 0}, CurrencyCase{"HalfToEvenUp", "0,00015", 2},
                      CurrencyCase{"HalfOfOddUp", "0,00025", 2}, CurrencyCase{"AboveHalf", "0,000051", 1},
                      CurrencyCase{"BelowHalf", "0,000049", 0}, CurrencyCase{"NegativeHalf", "-0,00015", -2},
                      CurrencyCase{"Grouped", "1.234,5678", 12345678}, CurrencyCase{"Exponent", "1,5E2", 1500000},
                      CurrencyCase{"SmallExponent", "25E-5", 2}, CurrencyCase{"Zero", "0", 0},
                      CurrencyCase{"Max", "922.337.203.685.477,5807", std::numeric_limits<std::int64_t>::max()},
                      CurrencyCase{"Min", "-922.337.203.685.477,5808", std::numeric_limits<std::int64_t>::min()},
                      CurrencyCase{"CarryIntoMax", "922.337.203.685.477,58065", std::numeric_limits<std::int64_t>::max() - 1}),
    [](const ::testing::TestParamInfo<CurrencyCase>& row) { return std::string(row.param.name); });

TEST(CurrencyNumber, ReportsOverflowAndNonNumericAsErrors) {
    EXPECT_EQ(CurrencyNumber("922.337.203.685.477,5808").error, CurrencyError::Overflow);
    EXPECT_EQ(CurrencyNumber("-922.337.203.685.477,5809").error, CurrencyError::Overflow);
    EXPECT_EQ(CurrencyNumber("1e308").error, CurrencyError::Overflow);
    EXPECT_EQ(CurrencyNumber("99999999999999999999999999").error, CurrencyError::Overflow);
    EXPECT_EQ(CurrencyNumber("abc").error, CurrencyError::NotNumeric);
    EXPECT_EQ(CurrencyNumber("").error, CurrencyError::NotNumeric);
    // Far below a ten-thousandth rounds to zero rather than failing.
    const CurrencyReading tiny = CurrencyNumber("1e-300");
    ASSERT_TRUE(tiny.ok());
    EXPECT_EQ(tiny.value.tenThousandths, 0);
}

TEST(CurrencyNumber, WidensToTheDoubleOfItsFourDecimals) {
    EXPECT_DOUBLE_EQ(CurrencyNumber("1.000,00").Amount(), 1000.0);
    EXPECT_DOUBLE_EQ(CurrencyNumber("7,123456").Amount(), 7.1235);
}

// ---------------------------------------------------------------------------------------
// FormatNumber: the mask table, row by row, for 1234567.891, 5, 0.5 and 0

struct MaskRow {
    const char* name;
    const char* mask;
    const char* big;
    const char* five;
    const char* half;
    const char* zero;
};

class MaskTableTest : public ::testing::TestWithParam<MaskRow> {};

TEST_P(MaskTableTest, RendersTheTableValues) {
    const MaskRow& r = GetParam();
    EXPECT_EQ(FormatNumber(1234567.891, r.mask), r.big) << r.mask;
    EXPECT_EQ(FormatNumber(5, r.mask), r.five) << r.mask;
    EXPECT_EQ(FormatNumber(0.5, r.mask), r.half) << r.mask;
    EXPECT_EQ(FormatNumber(0, r.mask), r.zero) << r.mask;
}

INSTANTIATE_TEST_SUITE_P(
    Masks, MaskTableTest,
    ::testing::Values(MaskRow{"GroupedLong", "###,###,##0.00", "1.234.567,89", "5,00", "0,50", "0,00"},
                      MaskRow{"GroupedShort", "##,###,##0.00", "1.234.567,89", "5,00", "0,50", "0,00"},
                      MaskRow{"TwoDecimals", "#0.00", "1234567,89", "5,00", "0,50", "0,00"},
                      MaskRow{"TwoDecimalsWide", "##0.00", "1234567,89", "5,00", "0,50", "0,00"},
                      MaskRow{"NoIntegerDigit", "##.00", "1234567,89", "5,00", ",50", ",00"},
                      MaskRow{"NoIntegerDigitShort", "#.00", "1234567,89", "5,00", ",50", ",00"},
                      MaskRow{"OneDecimal", "#0.0", "1234567,9", "5,0", "0,5", "0,0"},
                      MaskRow{"OneDecimalShort", "0.0", "1234567,9", "5,0", "0,5", "0,0"},
                      MaskRow{"TwoDigitsLong", "########00", "1234568", "05", "01", "00"},
                      MaskRow{"TwoDigitsMid", "##00", "1234568", "05", "01", "00"},
                      MaskRow{"TwoDigits", "00", "1234568", "05", "01", "00"},
                      MaskRow{"ThreeDigits", "000", "1234568", "005", "001", "000"},
                      MaskRow{"NoDigitForced", "##", "1234568", "5", "1", ""}),
    [](const ::testing::TestParamInfo<MaskRow>& row) { return std::string(row.param.name); });

TEST(FormatNumber, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(FormatNumber(2.5, "00"), "03");
    EXPECT_EQ(FormatNumber(-2.5, "00"), "-03");
    EXPECT_EQ(FormatNumber(0.125, "#0.00"), "0,13");
    EXPECT_EQ(FormatNumber(-0.125, "#0.00"), "-0,13");
    // 1.005 is stored just below the half; the masks see the 15-digit decimal value.
    EXPECT_EQ(FormatNumber(1.005, "#0.00"), "1,01");
    EXPECT_EQ(FormatNumber(9.995, "#0.00"), "10,00");
    EXPECT_EQ(FormatNumber(999999.995, "###,###,##0.00"), "1.000.000,00");
}

TEST(FormatNumber, NegativeValues) {
    EXPECT_EQ(FormatNumber(-12.94, "##.00"), "-12,94");
    EXPECT_EQ(FormatNumber(-0.5, "##.00"), "-,50");
    EXPECT_EQ(FormatNumber(-1234567.891, "###,###,##0.00"), "-1.234.567,89");
    EXPECT_EQ(FormatNumber(-0.001, "#0.00"), "0,00") << "a value that rounds to zero carries no sign";
}

TEST(FormatNumber, CurrencyFormat) {
    EXPECT_EQ(FormatNumber(1234.5, "Currency"), "1.234,50 \u20AC");
    EXPECT_EQ(FormatNumber(1234.5, "currency"), "1.234,50 \u20AC");
    EXPECT_EQ(FormatNumber(0, "Currency"), "0,00 \u20AC");
    EXPECT_EQ(FormatNumber(-398.885, "Currency"), "-398,89 \u20AC");
    EXPECT_EQ(FormatNumber(1e12, "Currency"), "1.000.000.000.000,00 \u20AC");
}

TEST(FormatNumber, FurtherFormats) {
    EXPECT_EQ(FormatNumber(1234567, "#,# \\b\\y\\t\\e\\s"), "1.234.567 bytes");
    EXPECT_EQ(FormatNumber(0, "#,# \\b\\y\\t\\e\\s"), " bytes");
    EXPECT_EQ(FormatNumber(3, "@@@"), "  3");
    EXPECT_EQ(FormatNumber(45, "@@@@"), "  45");
    EXPECT_EQ(FormatText("12345", "@@@"), "12345") << "a longer text is kept whole";
    EXPECT_EQ(FormatText("\u20AC", "@@@"), "  \u20AC") << "width counts characters, not bytes";
    EXPECT_EQ(FormatNumber(DateSerial(2026, 12, 6), "dd.mm.yyyy"), "06.12.2026");
    EXPECT_EQ(FormatNumber(DateSerial(1899, 12, 30), "dd.mm.yyyy"), "30.12.1899");
    EXPECT_EQ(FormatNumber(DateSerial(2000, 2, 29), "dd.mm.yyyy"), "29.02.2000");
    EXPECT_EQ(FormatNumber(TimeSerial(9, 5, 0), "hh:mm"), "09:05");
    EXPECT_EQ(FormatNumber(DateSerial(2026, 1, 1) + TimeSerial(23, 59, 0), "hh:mm"), "23:59");
}

TEST(FormatNumber, NonFiniteValuesRenderEmpty) {
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), "#0.00"), "");
    EXPECT_EQ(FormatNumber(std::nan(""), "Currency"), "");
    EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::infinity()), "");
}

TEST(FormatNumber, HugeValuesShowAllIntegerDigits) {
    const std::string text = FormatNumber(1e20, "#0.00");
    EXPECT_EQ(text, "100000000000000000000,00");
    EXPECT_EQ(FormatNumber(1e308, "#0.00").size(), 309u + 3u);
}

TEST(FormatGeneral, WritesNumbersWithoutAMask) {
    EXPECT_EQ(FormatGeneral(6), "6");
    EXPECT_EQ(FormatGeneral(12), "12");
    EXPECT_EQ(FormatGeneral(2.5), "2,5");
    EXPECT_EQ(FormatGeneral(-0.25), "-0,25");
    EXPECT_EQ(FormatGeneral(0.1 + 0.2), "0,3") << "15 significant digits hide the binary error";
    EXPECT_EQ(FormatGeneral(123456789012345.0), "123456789012345");
    EXPECT_EQ(FormatGeneral(1e15), "1E+15");
    EXPECT_EQ(FormatGeneral(1.5e-7), "1,5E-07");
    EXPECT_EQ(FormatGeneral(0.0001), "0,0001");
}

// ---------------------------------------------------------------------------------------
// Round trips: what the masks write, the check accepts and the readings give back.

TEST(RoundTrip, MaskedAmountsReadBackToTheSameCents) {
    const double amounts[] = {0.0, 0.01, 0.5, 5.0, 12.34, 999.99, 1234.5, 1234567.89, -0.01, -1234.56, 98765432.1};
    const char* masks[] = {"###,###,##0.00", "#0.00", "##.00", "Currency"};
    for (const double amount : amounts) {
        for (const char* mask : masks) {
            const std::string text = FormatNumber(amount, mask);
            ASSERT_TRUE(IsNumericText(text)) << mask << " -> '" << text << "'";
            EXPECT_NEAR(LocaleNumber(text), amount, 1e-9) << text;
            const CurrencyReading reading = CurrencyNumber(text);
            ASSERT_TRUE(reading.ok()) << text;
            EXPECT_EQ(reading.value.tenThousandths, std::llround(amount * 100) * 100) << text;
        }
    }
}

TEST(RoundTrip, RateListEntriesReadBack) {
    // The sheets read "5,0" with the leading-number rule (whole number), the others with the locale rule.
    for (int tenth = 0; tenth <= 250; ++tenth) {
        const double rate = tenth / 10.0;
        const std::string entry = FormatNumber(rate, "#0.0");
        EXPECT_NEAR(LocaleNumber(entry), rate, 1e-12) << entry;
        EXPECT_DOUBLE_EQ(LeadingNumber(entry), std::trunc(rate + 1e-9)) << entry;
    }
}

}  // namespace
}  // namespace zolt
