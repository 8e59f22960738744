#include "core/TextRows.h"

#include <gtest/gtest.h>

#include <string>

namespace zolt {
namespace {

struct PadCase { const char* name; std::string text; std::size_t width; std::string left, right; };

class PadTest : public ::testing::TestWithParam<PadCase> {};

TEST_P(PadTest, PadsToWidthInCharacters) {
    EXPECT_EQ(PadLeft(GetParam().text, GetParam().width), GetParam().left);
    EXPECT_EQ(PadRight(GetParam().text, GetParam().width), GetParam().right);
}

// "€" is three bytes but one column: 10 characters padded to 13 need 3 blanks.
const PadCase kPadCases[] = {
    {"Ascii", "20,00", 8, "   20,00", "20,00   "},
    {"EuroCountsOnce", "1.000,00 \u20AC", 13, "   1.000,00 \u20AC", "1.000,00 \u20AC   "},
    {"Umlaut", "J\u00E4hr", 6, "  J\u00E4hr", "J\u00E4hr  "},     {"ExactWidth", "12345", 5, "12345", "12345"},
    {"WiderStaysWhole", "1.234.567,89 \u20AC", 13, "1.234.567,89 \u20AC", "1.234.567,89 \u20AC"},
    {"EmptyText", "", 3, "   ", "   "},                             {"ZeroWidth", "ab", 0, "ab", "ab"},
};

INSTANTIATE_TEST_SUITE_P(Cells, PadTest, ::testing::ValuesIn(kPadCases),
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
