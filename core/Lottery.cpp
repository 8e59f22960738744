#include "core/Lottery.h"

#include "core/NumberRules.h"

namespace zolt {

std::uint64_t LottoDrawer::RandomSeed() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ static_cast<std::uint64_t>(device());
}

LottoTip LottoDrawer::DrawTip() {
    std::array<bool, kLottoHighest + 1> drawn{};
    std::uniform_int_distribution<int> number(1, kLottoHighest);
    for (int i = 0; i < kTipSize; ++i) {
        int n = 0;
        do {
            n = number(engine_);
        } while (drawn[static_cast<std::size_t>(n)]);
        drawn[static_cast<std::size_t>(n)] = true;
    }
    LottoTip tip{};
    std::size_t k = 0;
    for (int n = 1; n <= kLottoHighest; ++n) {
        if (drawn[static_cast<std::size_t>(n)]) tip[k++] = n;
    }
    return tip;
}

std::string TipLine(int tipCount, const LottoTip& tip) {
    std::string line = " Tip " + FormatText(std::to_string(tipCount), "@@@") + ":";
    line += FormatText(std::to_string(tip[0]), "@@@@");
    for (std::size_t k = 1; k < tip.size(); ++k) line += FormatText(std::to_string(tip[k]), "@@@");
    return line;
}

std::vector<TipPage> PaginateTips(const std::vector<std::string>& entries, int entriesPerPage) {
    const std::string title = "** Computer - Zufallstips **";
    std::vector<TipPage> pages(1);
    pages.back().lines = {std::string(25, ' '), std::string(2, ' '), title};
    pages.back().headerLines = 3;
    if (entriesPerPage < 1) entriesPerPage = 1;
    int onPage = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i == 0) {
            pages.back().lines.emplace_back(26, ' ');
            pages.back().lines.emplace_back(26, ' ');
            pages.back().headerLines = 5;
        }
        pages.back().lines.push_back(entries[i]);
        if (++onPage == entriesPerPage) {
            pages.push_back({{std::string(7, ' '), title, std::string(7, ' '), std::string(29, ' ')}, 4});
            onPage = 0;
        }
    }
    return pages;
}

}  // namespace zolt
