#include "core/Lottery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace zolt {
namespace {

struct LineCase { const char* name; int count; LottoTip tip; const char* line; };

class TipLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(TipLines, ExactFormat) { EXPECT_EQ(TipLine(GetParam().count, GetParam().tip), GetParam().line); }

INSTANTIATE_TEST_SUITE_P(
    Lines, TipLines,
    ::testing::Values(LineCase{"Example", 1, {3, 12, 19, 27, 33, 45}, " Tip   1:   3 12 19 27 33 45"},
                      LineCase{"ThreeDigitCount", 999, {10, 20, 30, 40, 48, 49}, " Tip 999:  10 20 30 40 48 49"},
                      // Four digits: the field widens by one character.
                      LineCase{"FourDigitCount", 1000, {3, 12, 19, 27, 33, 45}, " Tip 1000:   3 12 19 27 33 45"}),
    [](const ::testing::TestParamInfo<LineCase>& row) { return row.param.name; });

TEST(LottoDrawer, SixDifferentAscendingNumbersAndEveryNumberTurnsUp) {
    LottoDrawer drawer(12345);
    std::set<int> seen;
    for (int i = 0; i < 20000; ++i) {
        const LottoTip tip = drawer.DrawTip();
        EXPECT_TRUE(tip.front() >= 1 && tip.back() <= 49 && std::is_sorted(tip.begin(), tip.end()));
        EXPECT_EQ(std::set<int>(tip.begin(), tip.end()).size(), 6u);
        seen.insert(tip.begin(), tip.end());
    }
    EXPECT_EQ(seen.size(), 49u);  // 1 and 49 included
}

TEST(LottoDrawer, SameSeedSameTipsAndTipsDoNotRepeatEachOther) {
    LottoDrawer a(7);
    LottoDrawer b(7);
    std::set<LottoTip> seen;
    for (int i = 0; i < 1000; ++i) {
        const LottoTip tip = a.DrawTip();
        EXPECT_EQ(tip, b.DrawTip());
        seen.insert(tip);
    }
    // 1000 tips out of 13 983 816 possible: a repeat is very unlikely (p < 4 %), a run of
    // equal tips (a generator seeded anew in the same clock tick) would show at once.
    EXPECT_GE(seen.size(), 998u);
}

struct PageCase { const char* name; int entries; std::vector<int> entriesPerPage; };

class TipPages : public ::testing::TestWithParam<PageCase> {};

TEST_P(TipPages, HeadersAndEntries) {
    const PageCase& c = GetParam();
    std::vector<std::string> entries;
    for (int i = 1; i <= c.entries; ++i) entries.push_back("entry " + std::to_string(i));
    const auto pages = PaginateTips(entries, 53);
    ASSERT_EQ(pages.size(), c.entriesPerPage.size());
    const std::string title = "** Computer - Zufallstips **";
    int next = 1;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        std::vector<std::string> expected = {std::string(25, ' '), "  ", title};
        if (p > 0) expected = {"       ", title, "       ", std::string(29, ' ')};
        if (p == 0 && c.entries > 0) expected.insert(expected.end(), 2, std::string(26, ' '));
        for (int k = 0; k < c.entriesPerPage[p]; ++k) expected.push_back("entry " + std::to_string(next++));
        EXPECT_EQ(pages[p].lines, expected) << "page " << p + 1;
        EXPECT_EQ(pages[p].lines.size() - pages[p].headerLines, static_cast<std::size_t>(c.entriesPerPage[p]));
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, TipPages,
                         ::testing::Values(PageCase{"Empty", 0, {0}}, PageCase{"One", 1, {1}},
                                           PageCase{"FullPage", 53, {53, 0}}, PageCase{"OneMore", 54, {53, 1}},
                                           PageCase{"ThreeAndABit", 160, {53, 53, 53, 1}}),
                         [](const ::testing::TestParamInfo<PageCase>& row) { return row.param.name; });

}  // namespace
}  // namespace zolt
