#pragma once
// Lottery tips: six different numbers out of 1 to 49, their list lines and printed pages.

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace zolt {

constexpr int kLottoHighest = 49;
constexpr int kTipSize = 6;
// The tip counter of one sequence is a 16-bit count; the sequence ends when it is full.
constexpr int kMaxTipsPerSequence = 32767;

using LottoTip = std::array<int, kTipSize>;  // ascending

// One generator for the whole life of a picker: seeding anew before every tip from the clock
// would repeat tips that start within the same clock tick.
class LottoDrawer {
public:
    explicit LottoDrawer(std::uint64_t seed) : engine_(seed) {}
    // A seed from the system's random source.
    static std::uint64_t RandomSeed();

    // Six different numbers of 1..49 in ascending order. A number drawn twice is drawn
    // again, never skipped, so every number is equally likely.
    LottoTip DrawTip();

private:
    std::mt19937_64 engine_;
};

// " Tip " + count right-aligned in 3 + ":" + first number in 4 + the others in 3 each:
// " Tip   1:   3 12 19 27 33 45". Longer counts widen the line, never cut it.
std::string TipLine(int tipCount, const LottoTip& tip);

// The printed list: the first page opens with its header and two blank lines, every page
// holds entriesPerPage entries, and each full page is followed by a new page with the
// later-page header (so a list of a multiple of entriesPerPage ends with a header-only page).
struct TipPage {
    std::vector<std::string> lines;
    std::size_t headerLines = 0;  // lines before the first entry of the page
};
std::vector<TipPage> PaginateTips(const std::vector<std::string>& entries, int entriesPerPage);

}  // namespace zolt
