#pragma once
// Lays the printed list of lottery tips out on any paged device: a printer or a PDF file.

#include <QPointF>
#include <QString>
#include <functional>
#include <vector>

#include "core/Lottery.h"

class QPagedPaintDevice;

namespace zolt {

// Where one line went: its page (0-based), its baseline start in device pixels, its text.
struct DrawnLine {
    int page = 0;
    QPointF at;
    QString text;
};

struct TipPrintResult {
    bool ok = false;  // false: the device could not be opened for painting
    std::vector<DrawnLine> lines;
};

// Paints the pages in a fixed-pitch font. The text's left edge follows the page set-up of the
// list: the left margin shifts it against a base of 20 mm beyond the unprintable border, the
// right margin only bounds the line width. onEntry is told the index of each list entry as it
// is printed (the list's highlight follows the printing).
TipPrintResult PrintTipPages(QPagedPaintDevice& device, const std::vector<TipPage>& pages, double leftMarginMm,
                             double rightMarginMm, const std::function<void(int)>& onEntry = {});

}  // namespace zolt
