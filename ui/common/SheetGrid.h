#pragma once
// The spreadsheet-like grid of the two sheets: one fixed header row and one fixed column,
// cell texts, column widths and row heights in twips, alignment, a selection rectangle,
// a picture in the top-left cell and scroll bars.
//
// Grid coordinates: row 0 is the fixed header row, column 0 the fixed column, body cells
// start at (1, 1). The fixed row and column are the view's own headers, so they stay in
// view while the body scrolls; the top-left cell is the view's corner.
//
// The grid is virtual. Large contents are given as layers that are read when a cell is
// painted or copied: a matrix of doubles rendered by a display mask (SetNumbers), or a
// function that makes a cell's text on demand (SetTextSource). Texts set one by one
// (SetText, SetCellText) are kept in a small map. Nothing stores a string per cell of a table.

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
// header data. Qt::DisplayRole shows line breaks as "\n"; kRawTextRole gives a cell's text as
// it was set (with "\r\n").
class SheetGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kRawTextRole = Qt::UserRole + 1;

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

    SheetGridModel* Model() const { return model_; }

    // --- size ----------------------------------------------------------------------
    int Rows() const { return model_->Rows(); }
    int Cols() const { return model_->Cols(); }
    void SetRows(int rows);
    void SetCols(int cols);
    static constexpr int FixedRows() { return 1; }
    static constexpr int FixedCols() { return 1; }

    // Outer size of the control in twips.
    int WidthTwips() const;
    int HeightTwips() const;
    void SetWidthTwips(int twips);
    void SetHeightTwips(int twips);

    // Column widths and row heights in twips (column 0 and row 0 are the fixed ones).
    int ColWidth(int col) const;
    int RowHeight(int row) const;
    void SetColWidth(int col, int twips);
    void SetRowHeight(int row, int twips);
    void SetColWidths(int firstCol, int lastCol, int twips);
    void SetRowHeights(int firstRow, int lastRow, int twips);

    // --- current cell ----------------------------------------------------------------
    int Row() const { return row_; }
    int Col() const { return col_; }
    void SetRow(int row);
    void SetCol(int col);
    void SetCurrentCell(int row, int col);
    // Text of the current cell; setting it with fill style 1 writes every selected cell.
    QString Text() const;
    void SetText(const QString& text);
    int FillStyle() const { return fillStyle_; }
    void SetFillStyle(int style) { fillStyle_ = style == 1 ? 1 : 0; }
    // Picture of the current cell (shown in the top-left cell and in fixed cells).
    QPixmap Picture() const;
    void SetPicture(const QPixmap& picture);

    // --- any cell --------------------------------------------------------------------
    QString CellText(int row, int col) const { return model_->CellText(row, col); }
    void SetCellText(int row, int col, const QString& text) { model_->SetCellText(row, col, text); }
    void SetNumbers(int firstRow, int firstCol, NumberMatrix matrix) {
        model_->SetNumbers(firstRow, firstCol, std::move(matrix));
    }
    void SetTextSource(int firstRow, int firstCol, int rows, int cols, CellTextFn source) {
        model_->SetTextSource(firstRow, firstCol, rows, cols, std::move(source));
    }

    // Alignment of body cells and of fixed cells per column (kGridAlign...).
    int ColAlignment(int col) const { return model_->ColAlignment(col); }
    int FixedAlignment(int col) const { return model_->FixedAlignment(col); }
    void SetColAlignment(int col, int alignment) { model_->SetColAlignment(col, col, alignment); }
    void SetFixedAlignment(int col, int alignment) { model_->SetFixedAlignment(col, col, alignment); }
    void SetColAlignments(int firstCol, int lastCol, int alignment) {
        model_->SetColAlignment(firstCol, lastCol, alignment);
    }

    // --- selection ---------------------------------------------------------------------
    // The selected rectangle of body cells; the current cell when nothing is selected.
    int SelStartRow() const;
    int SelEndRow() const;
    int SelStartCol() const;
    int SelEndCol() const;
    void SetSelection(int row1, int col1, int row2, int col2);
    // Moves the selection's end (the corner opposite the current cell's anchor).
    void SetSelectionEnd(int row, int col);
    // The selected cells' texts, cells separated by a tab and rows by a carriage return.
    QString Clip() const;
    // Keeps the selected block marked while the grid has no focus.
    bool HighLight() const { return highLight_; }
    void SetHighLight(bool on);

    // --- scroll bars and painting ------------------------------------------------------
    int ScrollBars() const { return scrollBars_; }
    void SetScrollBars(int setting);
    // Scrolls the body back to its first row and column.
    void ScrollToOrigin();
    void Refresh();

    // Width of a text in the grid's font, in twips (the widest line of a multi-line text).
    int TextWidthTwips(const QString& text) const;

signals:
    // A click and a double-click on a body cell, in grid coordinates.
    void cellClicked(int row, int col);
    void cellDoubleClicked(int row, int col);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    struct SelRect {
        int row1, col1, row2, col2;
    };
    SelRect Selection() const;
    void ApplyGeometry();
    void ApplyColWidths(int firstCol, int lastCol);
    void ApplyRowHeights(int firstRow, int lastRow);
    void PaintCorner(QWidget* corner);

    SheetGridModel* model_ = nullptr;
    QWidget* corner_ = nullptr;
    std::vector<int> colWidth_;   // twips, index = grid column
    std::vector<int> rowHeight_;  // twips, index = grid row
    int row_ = 0;
    int col_ = 0;
    int fillStyle_ = 0;
    int scrollBars_ = kScrollBoth;
    bool highLight_ = true;
    int anchorRow_ = 1;
    int anchorCol_ = 1;
};

// --- routines shared by the savings sheet and the loan sheet ---------------------------

// Blanks the fixed row and column (" ") and the body (""); the top-left cell keeps its
// text and picture; the selection ends up on cell (1, 1), scrolled back into view.
void ClearGrid(SheetGrid& grid);

// Rows, columns, scroll bars, row heights and column widths for a table of rateCount rows
// and termCount columns: 16 rows and 3 columns are in view, scroll bars appear beyond.
void GridLayout(SheetGrid& grid, int rateCount, int termCount);

// What the header line of a copied block shows.
enum class CopyHeader {
    None,   // no table yet: empty header cells
    Table,  // a table: the caller's text per column (term and unit)
    Plan,   // a plan: the text of the fixed cell without its first character
};

// The clipboard text of the selected block: a header line, then one line per selected row
// starting with that row's label (column 0); cells separated by tabs, lines by CR LF.
// tableHeader(col) gives the header of a table column (used with CopyHeader::Table).
QString CopySelectionText(SheetGrid& grid, CopyHeader header, const std::function<QString(int col)>& tableHeader);

// As CopySelectionText, and puts the text on the clipboard.
void CopySelection(SheetGrid& grid, CopyHeader header, const std::function<QString(int col)>& tableHeader);

// The header of a table column in the copied text: the term written without a mask and
// " Jahre" or " Monate".
QString CopiedTermHeader(double term, bool years, const RegionalSettings& region = {});

}  // namespace zolt
