#include "core/CsvFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zolt {
namespace {

// One field: the number (value, decimals) or, when text is set, the text.
struct FieldCase { const char* name; double value; int decimals; const char* text; std::string field; };

class CsvFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CsvFieldTest, WritesTheFieldAsTheScreenRoundsIt) {
    const FieldCase& c = GetParam();
    std::string out;
    c.text ? CsvWriter(out).Text(c.text) : CsvWriter(out).Number(c.value, c.decimals);
    EXPECT_EQ(out, c.field);
}

// Expected fields by hand: the value's 15 significant digits rounded half away from zero.
INSTANTIATE_TEST_SUITE_P(
    Fields, CsvFieldTest,
    ::testing::Values(
        FieldCase{"NoGrouping", 1234567.891, 2, nullptr, "1234567,89"}, FieldCase{"Negative", -1234.5, 2, nullptr, "-1234,50"},
        FieldCase{"BinaryJustBelowHalf", 2.675, 2, nullptr, "2,68"}, FieldCase{"Zero", 0.0, 2, nullptr, "0,00"},
        FieldCase{"HalfAwayFromZero", 0.125, 2, nullptr, "0,13"}, FieldCase{"NegativeHalf", -0.005, 2, nullptr, "-0,01"},
        FieldCase{"ZeroHasNoSign", -0.004, 2, nullptr, "0,00"}, FieldCase{"CarryToNewDigit", 999.995, 2, nullptr, "1000,00"},
        FieldCase{"FirstDigitRounds", 0.006, 2, nullptr, "0,01"}, FieldCase{"BelowLastPlace", 0.0006, 2, nullptr, "0,00"},
        FieldCase{"WholeNumber", 2.5, 0, nullptr, "3"}, FieldCase{"Huge", 1e20, 2, nullptr, "100000000000000000000,00"},
        FieldCase{"ShortestNoNoise", 0.1 + 0.2, -1, nullptr, "0,3"}, FieldCase{"ShortestMinusZero", -0.0, -1, nullptr, "0"},
        FieldCase{"ShortestNegativeTiny", -1.5e-7, -1, nullptr, "-1,5e-07"}, FieldCase{"NaNEmpty", std::nan(""), 2, nullptr, ""},
        FieldCase{"InfinityEmpty", -HUGE_VAL, -1, nullptr, ""}, FieldCase{"Separator", 0, 0, "a;b", "\"a;b\""},
        FieldCase{"QuotesDoubled", 0, 0, "5 \"J\"", "\"5 \"\"J\"\"\""}, FieldCase{"LineFeed", 0, 0, "a\nb", "\"a\nb\""},
        FieldCase{"CarriageReturn", 0, 0, "a\rb", "\"a\rb\""}, FieldCase{"PlainNoQuotes", 0, 0, "5,5 % \u20AC", "5,5 % \u20AC"}),
    [](const ::testing::TestParamInfo<FieldCase>& row) { return std::string(row.param.name); });

TEST(CsvWriterTest, SeparatesFieldsAndEndsRowsWithCrLf) {
    std::string out;
    CsvWriter csv(out);
    csv.Text("Monat"), csv.Empty(), csv.Number(1.5, 2), csv.EndRow(), csv.Number(2, 0), csv.EndRow();
    EXPECT_EQ(out, "Monat;;1,50\r\n2\r\n");
}

}  // namespace
}  // namespace zolt
