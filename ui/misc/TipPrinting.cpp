#include "ui/misc/TipPrinting.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace zolt {

TipPrintResult PrintTipPages(QPagedPaintDevice& device, const std::vector<TipPage>& pages, double leftMarginMm,
                             double rightMarginMm, const std::function<void(int)>& onEntry) {
    TipPrintResult result;
    QPainter painter;
    if (!painter.begin(&device)) return result;

    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(10);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);

    // The painter's origin is the top left of the printable area. Paper width W, printable
    // width P, unprintable border m = (W - P) / 2 on each side; the lines start at
    // 20 + m - left margin millimetres into the printable area.
    const QPageLayout layout = device.pageLayout();
    const double paperMm = layout.fullRect(QPageLayout::Millimeter).width();
    const double printableMm = layout.paintRect(QPageLayout::Millimeter).width();
    const double borderMm = (paperMm - printableMm) / 2;
    const double pixelsPerMm = device.widthMM() > 0 ? device.width() / static_cast<double>(device.widthMM()) : 1.0;
    const double x = (20 + borderMm - leftMarginMm) * pixelsPerMm;
    const double lineWidth = (paperMm - leftMarginMm - rightMarginMm) * pixelsPerMm;
    const double lineHeight = metrics.lineSpacing();

    int entry = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) device.newPage();
        double y = metrics.ascent();
        for (std::size_t i = 0; i < pages[p].lines.size(); ++i) {
            const QString text = QString::fromStdString(pages[p].lines[i]);
            if (i >= pages[p].headerLines && onEntry) onEntry(entry++);
            painter.drawText(QRectF(x, y - metrics.ascent(), lineWidth, lineHeight), Qt::AlignLeft | Qt::TextSingleLine,
                             text);
            result.lines.push_back({static_cast<int>(p), QPointF(x, y), text});
            y += lineHeight;
        }
    }
    result.ok = painter.end();
    return result;
}

}  // namespace zolt
