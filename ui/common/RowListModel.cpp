#include "ui/common/RowListModel.h"

#include <QListView>

namespace zolt {

RowListModel::RowListModel(RowText rowText, QObject* parent)
    : QAbstractListModel(parent), rowText_(std::move(rowText)) {}

void RowListModel::Reset(int rowCount, const std::function<void()>& update) {
    beginResetModel();
    if (update) update();
    rows_ = rowCount < 0 ? 0 : rowCount;
    endResetModel();
}

void RowListModel::Append(int count, const std::function<void()>& update) {
    if (count <= 0) return;
    beginInsertRows(QModelIndex(), rows_, rows_ + count - 1);
    if (update) update();
    rows_ += count;
    endInsertRows();
}

int RowListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant RowListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() != 0 || index.row() < 0 || index.row() >= rows_) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
        case Qt::AccessibleTextRole:
            return RowAt(index.row());
        default:
            return {};
    }
}

QString RowListModel::RowAt(int row) const {
    if (row < 0 || row >= rows_ || !rowText_) return {};
    return rowText_(row);
}

void ShowRows(QListView* view, RowListModel* model) {
    view->setModel(model);
    view->setUniformItemSizes(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setWordWrap(false);
    view->setTextElideMode(Qt::ElideNone);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

}  // namespace zolt
