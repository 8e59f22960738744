#include "core/TextRows.h"

#include <gtest/gtest.h>

#include <string>

namespace zolt {
namespace {

struct PadCase {
    const char* name;
    std::string text;
    std::size_t width;
    std::string left;   // PadLeft result
    std::string right;  // PadRight result
};

class PadTest : public ::testing::TestWithParam<PadCase> {};

TEST_P(PadTest, PadsToWidthInCharacters) {
    const PadCase& c = GetParam();
    EXPECT_EQ(PadLeft(c.text, c.width), c.left);
    EXPECT_EQ(PadRight(c.text, c.width), c.right);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, PadTest,
    ::testing::Values(
        PadCase{"Ascii", "20,00", 8, "   20,00", "20,00   "},
        // "€" is three bytes but one column: 10 characters padded to 13 need 3 blanks.
        PadCase{"EuroCountsOnce", "1.000,00 \u20AC", 13, "   1.000,00 \u20AC", "1.000,00 \u20AC   "},
        PadCase{"Umlaut", "J\u00E4hr", 6, "  J\u00E4hr", "J\u00E4hr  "},
        PadCase{"ExactWidth", "12345", 5, "12345", "12345"},
        PadCase{"WiderStaysWhole", "1.234.567,89 \u20AC", 13, "1.234.567,89 \u20AC", "1.234.567,89 \u20AC"},
        PadCase{"EmptyText", "", 3, "   ", "   "},
        PadCase{"ZeroWidth", "ab", 0, "ab", "ab"}),
    [](const ::testing::TestParamInfo<PadCase>& row) { return std::string(row.param.name); });

TEST(Utf8LengthTest, CountsCharactersNotBytes) {
    EXPECT_EQ(Utf8Length("\u20AC"), 1U);           // three bytes
    EXPECT_EQ(Utf8Length("\u00E4\u00F6\u00FC"), 3U);  // two bytes each
    EXPECT_EQ(Utf8Length("\U0001F600x"), 2U);        // four-byte character
}

TEST(TextRowTest, ConcatenatesCellsWithoutSeparators) {
    const std::string row =
        TextRow().Cell("01").Right("1,5", 5).Left("ab", 4).Cell("|").Right("\u20AC", 3).Text();
    EXPECT_EQ(row, "01  1,5ab  |  \u20AC");
    EXPECT_EQ(Utf8Length(row), 2U + 5U + 4U + 1U + 3U);
}

}  // namespace
}  // namespace zolt
