#include "ui/misc/TabStopDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QTextOption>

namespace zolt {

TabStopDelegate::TabStopDelegate(int columnsPerTab, QObject* parent)
    : QStyledItemDelegate(parent), columnsPerTab_(columnsPerTab) {}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget* view = item.widget;
    const QStyle* style = view ? view->style() : QApplication::style();
    // Background, selection and focus as usual; the text is drawn below with our tab stops.
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);

    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, view);
    QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setWrapMode(QTextOption::NoWrap);
    layout.setTabStopDistance(item.fontMetrics.horizontalAdvance(QLatin1Char(' ')) * columnsPerTab_);
    painter->save();
    painter->setFont(item.font);
    const bool selected = item.state & QStyle::State_Selected;
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(QRectF(textRect).adjusted(2, 0, 0, 0), text, layout);
    painter->restore();
}

}  // namespace zolt
