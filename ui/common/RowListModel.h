#pragma once
// A list box whose rows are formatted when they are shown. The screen keeps the numbers
// (from core/) and says how row i reads; the model stores only the row count, so a table
// of a million rows costs the numbers, not a million strings.

#include <QAbstractListModel>
#include <QString>
#include <functional>

class QListView;

namespace zolt {

class RowListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using RowText = std::function<QString(int row)>;

    explicit RowListModel(RowText rowText, QObject* parent = nullptr);

    // Replaces every row: update (if given) changes the screen's data while views are told
    // that the model is being reset; afterwards the list has rowCount rows.
    void Reset(int rowCount, const std::function<void()>& update = {});
    // Adds count rows at the end; update changes the data behind them, as in Reset.
    void Append(int count = 1, const std::function<void()>& update = {});

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The text of row i as the list shows it (empty outside the rows).
    QString RowAt(int row) const;

private:
    RowText rowText_;
    int rows_ = 0;
};

// A list view of one-line rows of equal height (so scrolling never measures every row),
// read-only, showing the model.
void ShowRows(QListView* view, RowListModel* model);

}  // namespace zolt
