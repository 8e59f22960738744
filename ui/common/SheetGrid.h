#pragma once
// A spreadsheet-like grid: one fixed header row and one fixed column, cell texts, column
// widths and row heights in twips, alignment, a selection rectangle, a picture in the
// top-left cell and scroll bars. What the sheets write into it is ui/common/RateTermGrid.
//
// Grid coordinates: row 0 is the fixed header row, column 0 the fixed column, body cells
// start at (1, 1). The fixed row and column are the view's own headers, so they stay in
// view while the body scrolls; the top-left cell is the view's corner.
//
// The grid is virtual. Large contents are given as layers that are read when a cell is
// painted or copied: a matrix of doubles rendered by a display mask (SetNumbers), or a
// function that makes a cell's text on demand (SetTextSource). Texts set one by one
// (SetCellText) are kept in a small map. Nothing stores a string per cell of a table.

#include <QAbstractTableModel>
#include <QHash>
#include <QPixmap>
#include <QString>
#include <QTableView>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/NumberRules.h"

namespace zolt {

// Column alignment values of the grid.
inline constexpr int kGridAlignLeft = 0;
inline constexpr int kGridAlignRight = 1;
inline constexpr int kGridAlignCenter = 2;

// Scroll-bar settings.
inline constexpr int kScrollNone = 0;
inline constexpr int kScrollHorizontal = 1;
inline constexpr int kScrollVertical = 2;
inline constexpr int kScrollBoth = 3;

// A block of numbers shown in the grid: rows x cols values, row-major in `values` starting
// at `offset` with `stride` values from one row to the next. The vector is shared, not
// copied (a table's own vector can be shown through the aliasing constructor of shared_ptr).
struct NumberMatrix {
    std::shared_ptr<const std::vector<double>> values;
    std::size_t offset = 0;
    std::size_t stride = 0;
    int rows = 0;
    int cols = 0;
    std::string mask = "Currency";  // a FormatNumber mask
};

// Makes the text of grid cell (row, col) when it is needed.
using CellTextFn = std::function<QString(int row, int col)>;

// The model behind the grid's view: body cells are its items, the fixed row and column its
// header data. Qt::DisplayRole shows line breaks as "\n" (CellText keeps the "\r\n" they
// were set with).
class SheetGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SheetGridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Grid dimensions including the fixed row and column (at least 1 x 1).
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    void SetSize(int rows, int cols);

    QString CellText(int row, int col) const;
    void SetCellText(int row, int col, const QString& text);
    // Every cell of the rectangle gets the text; cells set before lose theirs.
    void FillRect(int row1, int col1, int row2, int col2, const QString& text);
    void SetNumbers(int firstRow, int firstCol, NumberMatrix matrix);
    void SetTextSource(int firstRow, int firstCol, int rows, int cols, CellTextFn source);

    int ColAlignment(int col) const;
    void SetColAlignment(int firstCol, int lastCol, int alignment);
    int FixedAlignment(int col) const;
    void SetFixedAlignment(int firstCol, int lastCol, int alignment);

    QPixmap Picture(int row, int col) const;
    void SetPicture(int row, int col, const QPixmap& picture);

    const RegionalSettings& Region() const { return region_; }

signals:
    // The text or picture of the top-left cell changed (it is drawn by the view's corner).
    void cornerChanged();

private:
    struct Rect {
        int row1 = 0, col1 = 0, row2 = -1, col2 = -1;
        bool Contains(int row, int col) const { return row >= row1 && row <= row2 && col >= col1 && col <= col2; }
        bool Inside(const Rect& outer) const {
            return row1 >= outer.row1 && row2 <= outer.row2 && col1 >= outer.col1 && col2 <= outer.col2;
        }
        bool Empty() const { return row2 < row1 || col2 < col1; }
    };
    struct Layer {
        Rect area;
        NumberMatrix numbers;  // used when source is empty and numbers.values is set
        CellTextFn source;
        QString fill;          // used when neither is set
    };

    QVariant CellData(int row, int col, int role, int alignment) const;
    static quint64 Key(int row, int col) { return (static_cast<quint64>(static_cast<quint32>(row)) << 32) | static_cast<quint32>(col); }
    QString LayerText(const Layer& layer, int row, int col) const;
    void AddLayer(Layer layer);
    void DropCoveredTexts(const Rect& area);
    void NotifyRect(const Rect& area);
    Rect Clip(Rect area) const;

    int rows_ = 2;
    int cols_ = 2;
    QHash<quint64, QString> texts_;
    QHash<quint64, QPixmap> pictures_;
    std::vector<Layer> layers_;  // later layers cover earlier ones
    std::vector<int> colAlignment_;
    std::vector<int> fixedAlignment_;
    RegionalSettings region_;
};

class SheetGrid : public QTableView {
    Q_OBJECT
public:
    explicit SheetGrid(QWidget* parent = nullptr);

    // --- size ----------------------------------------------------------------------
    int Rows() const { return model_->Rows(); }
    int Cols() const { return model_->Cols(); }
    void SetRows(int rows);
    void SetCols(int cols);

    // Outer size of the control in twips.
    int WidthTwips() const;
    int HeightTwips() const;
    void SetWidthTwips(int twips);
    void SetHeightTwips(int twips);

    // Column widths and row heights in twips (column 0 and row 0 are the fixed ones).
    int ColWidth(int col) const;
    int RowHeight(int row) const;
    void SetColWidth(int col, int twips) { SetColWidths(col, col, twips); }
    void SetRowHeight(int row, int twips) { SetRowHeights(row, row, twips); }
    void SetColWidths(int firstCol, int lastCol, int twips) { SetSizes(Axis::Cols, firstCol, lastCol, twips); }
    void SetRowHeights(int firstRow, int lastRow, int twips) { SetSizes(Axis::Rows, firstRow, lastRow, twips); }

    // --- current cell ----------------------------------------------------------------
    // The view's current cell, a body cell; (0, 0) while there is none.
    int Row() const;
    int Col() const;
    // Moves the current cell to a body cell and leaves the selection as it is.
    void SetCurrentCell(int row, int col);
    // Text of the current cell; empty while there is none.
    QString Text() const;

    // --- any cell --------------------------------------------------------------------
    QString CellText(int row, int col) const { return model_->CellText(row, col); }
    void SetCellText(int row, int col, const QString& text) { model_->SetCellText(row, col, text); }
    // Every cell of the rectangle gets the text; cells set before lose theirs.
    void FillRect(int row1, int col1, int row2, int col2, const QString& text) {
        model_->FillRect(row1, col1, row2, col2, text);
    }
    void SetNumbers(int firstRow, int firstCol, NumberMatrix matrix) {
        model_->SetNumbers(firstRow, firstCol, std::move(matrix));
    }
    void SetTextSource(int firstRow, int firstCol, int rows, int cols, CellTextFn source) {
        model_->SetTextSource(firstRow, firstCol, rows, cols, std::move(source));
    }
    // A picture shown in a cell (the top-left cell draws its picture instead of its text).
    QPixmap Picture(int row, int col) const { return model_->Picture(row, col); }
    void SetPicture(int row, int col, const QPixmap& picture) { model_->SetPicture(row, col, picture); }
    const RegionalSettings& Region() const { return model_->Region(); }

    // Alignment of body cells and of fixed cells per column (kGridAlign...).
    int ColAlignment(int col) const { return model_->ColAlignment(col); }
    int FixedAlignment(int col) const { return model_->FixedAlignment(col); }
    void SetColAlignments(int firstCol, int lastCol, int alignment) {
        model_->SetColAlignment(firstCol, lastCol, alignment);
    }
    void SetFixedAlignments(int firstCol, int lastCol, int alignment) {
        model_->SetFixedAlignment(firstCol, lastCol, alignment);
    }

    // --- selection ---------------------------------------------------------------------
    // The selected rectangle of body cells; the current cell when nothing is selected.
    int SelStartRow() const;
    int SelEndRow() const;
    int SelStartCol() const;
    int SelEndCol() const;
    void SetSelection(int row1, int col1, int row2, int col2);

    // --- scroll bars and painting ------------------------------------------------------
    int ScrollBars() const { return scrollBars_; }
    void SetScrollBars(int setting);
    // Scrolls the body back to its first row and column.
    void ScrollToOrigin();
    void Refresh();

    // Width of a text in the grid's font, in twips (the widest line of a multi-line text).
    int TextWidthTwips(const QString& text) const;

signals:
    // A body cell was chosen, by a click or by moving the current cell with the keyboard.
    void cellChosen(int row, int col);
    void cellDoubleClicked(int row, int col);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct SelRect {
        int row1, col1, row2, col2;
    };
    SelRect Selection() const;
    // Column widths or row heights, index = grid column or row.
    enum class Axis { Cols, Rows };
    std::vector<int>& Sizes(Axis axis) { return axis == Axis::Cols ? colWidth_ : rowHeight_; }
    void SetSizes(Axis axis, int first, int last, int twips);
    void ApplySizes(Axis axis, int first, int last);
    void ApplyGeometry();
    void PaintCorner(QWidget* corner);

    SheetGridModel* model_ = nullptr;
    QWidget* corner_ = nullptr;
    std::vector<int> colWidth_;   // twips, index = grid column
    std::vector<int> rowHeight_;  // twips, index = grid row
    int scrollBars_ = kScrollBoth;
};

}  // namespace zolt
