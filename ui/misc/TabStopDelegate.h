#pragma once
// Draws list rows whose tab characters jump to every n-th character column, the way a list
// box expands tabs, instead of the item views' wide default stops.

#include <QStyledItemDelegate>

namespace zolt {

class TabStopDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TabStopDelegate(int columnsPerTab, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int columnsPerTab_;
};

}  // namespace zolt
