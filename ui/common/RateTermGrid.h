#pragma once
// What the two sheets show in their grid, and how: a table with rates down the left and
// terms across the top, or the plan of one table cell, each given as a page value; the
// layout for either, which cell may be expanded into a plan, and the copy of a selected
// block; the pages as tables for a file, paper and a chart. Also the sheets' two rate lists
// and the order check between them.

#include <QComboBox>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <optional>

#include "ui/common/FormControls.h"
#include "ui/common/SheetGrid.h"
#include "ui/common/TableExport.h"

class QAction;
class QMenu;

namespace zolt {

// What the grid shows: nothing yet (the empty layout), a table or a plan.
enum class Shown { Nothing, Table, Plan };

// What a page is and the inputs that produced it, as a file and paper name them; the sheet
// fills it when it builds the page, so later edits of the fields do not change it.
struct PageHead {
    QString title;       // "Tilgungsplan"; also the stem of the file name
    QStringList inputs;  // "Kredit: 10.000,00 €"
};

// A table: rates down the left, terms across the top, one number per rate and term.
struct TablePage {
    int rateCount = 0;                           // rows 1 … rateCount
    int termCount = 0;                           // columns 1 … termCount
    std::function<double(int row)> rateOf;       // percent per year
    std::function<QString(int row)> rateLabel;   // "5,5%"
    std::function<QString(int col)> termLabel;   // the term in the unit below it: "12"
    QString unitWord;                            // "Jahre", "Monate", "TAGE"
    NumberMatrix values;                         // rateCount x termCount
    PageHead head;
};

// The plan of one table cell: one row per period, one column per header.
struct PlanPage {
    int periodCount = 0;                           // rows 1 … periodCount
    std::function<double(int row)> periodOf;
    std::function<QString(int row)> periodLabel;   // "1", "6", …
    QString unitWord;                              // of the periods, in the top-left cell
    QStringList headers;                           // columns 1 … headers.size()
    NumberMatrix values;                           // periodCount x headers.size()
    QString periodHeader;                          // of the period column in a file: "Monat"
    PageHead head;
};

// A table whose rows are labelled with their rate ("5,5%") and whose columns with their term
// written without a mask, the unit word below it.
TablePage MakeTablePage(int rateCount, int termCount, std::function<double(int row)> rateOf,
                        std::function<double(int col)> termOf, QString unitWord, NumberMatrix values,
                        const RegionalSettings& region);

// A plan whose rows are labelled with their period written without a mask.
PlanPage MakePlanPage(int periodCount, std::function<double(int row)> periodOf, QString unitWord, QStringList headers,
                      NumberMatrix values, const RegionalSettings& region);

// The header of a table column in copied text: the term and " Jahre" or " Monate".
QString CopiedTermHeader(double term, bool years);

// The page as a table for a file, paper and a chart, reading the page's numbers in place. A
// table: the rate as a percentage under "Zinssatz %", then a column per term headed as the
// grid heads it ("12 Monate"). A plan: the period under periodHeader, then its columns.
ExportTable ExportOf(const TablePage& page, const QString& screenTitle);
ExportTable ExportOf(const PlanPage& page, const QString& screenTitle);

// The terms and rates of a table as lines of its inputs: "Laufzeit: 1 – 10 Jahre" (in the
// unit of the grid's headers) and "Zinssatz: 3,0 – 5,0 %"; one value where both ends are equal.
QStringList RangeLines(const TablePage& page);

// A sheet's grid with what it shows. The grid shows 16 rate rows and 3 term columns (16 plan
// rows) at once; scroll bars appear beyond them.
class RateTermGrid {
public:
    // The picture stands in the top-left cell of a table and gives row 0 and column 0 their
    // size; the grid starts as the empty layout of 16 rates and 3 terms.
    RateTermGrid(SheetGrid& grid, QPixmap picture);

    Shown What() const { return shown_; }
    const TablePage& Table() const { return table_; }
    const PlanPage& Plan() const { return plan_; }

    // The grid cleared, laid out for the page and filled; the top-left cell shows the picture.
    void ShowTable(TablePage page);
    // The grid cleared and filled with the plan; the top-left cell names the unit.
    void ShowPlan(PlanPage page);
    // Sizes rows and columns anew for the grid's size and what it shows; changes no cell.
    void LayOut();

    // True when a table is shown and its current cell holds a number: the cell can be
    // expanded into its plan.
    bool TableCellChosen() const;
    // The current cell when it is a cell of the table's body: the rate row and term column.
    bool CurrentTableCell(int& row, int& col) const;

    // The selected block with a header line and the row labels: cells separated by tabs, lines
    // by CR LF. The header of a table column is termHeader(col) (CopiedTermHeader); a plan's is
    // its fixed cell without the leading line break; before the first table it is empty.
    QString SelectionText(const std::function<QString(int col)>& termHeader) const;
    // As SelectionText, put on the clipboard.
    void CopySelection(const std::function<QString(int col)>& termHeader) const;

    // The actions that save, print and chart what the grid shows (TableActions), in the
    // grid's context menu and in menu before the item `before`; errorTitle titles their
    // refusals. They are enabled while a table or a plan is shown, the chart (made by
    // planChart) while a plan is.
    using PlanChart = std::function<ChartSpec(const PlanPage& plan)>;
    TableActions* AttachExports(const QString& errorTitle, const QString& screenTitle, QMenu* menu,
                                QAction* before, PlanChart planChart);
    // What the grid shows as a table (ExportOf); nothing before the first table.
    std::optional<ExportTable> Exported(const QString& screenTitle) const;

private:
    void Clear();
    void LayOutTable(int rateCount, int termCount);
    void LayOutPlan();
    double AvailableHeight() const;
    double AvailableWidth() const;

    SheetGrid& grid_;
    QPixmap picture_;
    Shown shown_ = Shown::Nothing;
    TablePage table_;
    PlanPage plan_;
    TableActions* exports_ = nullptr;  // owned by the grid
};

// A list of rates 0,0 … highest,0 in whole percent. A combo box's text can be typed over, but
// only an item chosen from the open list counts (`chosen`); neither typing, nor a key or the
// wheel over the closed list, changes the rate. A drop-down list counts every item selected.
class RateList : public QComboBox {
    Q_OBJECT
public:
    enum class Kind { ComboBox, DropDown };
    RateList(QWidget* parent, const QString& name, TwipsRect at, int highestRate, Kind kind);
    // The rate of the list's item (the leading number of its text), whatever is typed over it.
    double ItemRate() const;

signals:
    void chosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool editFinishing_ = false;  // the typed text is being matched against the items
};

// The minimum and maximum rate of a sheet's two lists, read when an item is chosen. A choice
// that puts the maximum below the minimum is refused with a box titled errorTitle; the list
// then takes the other list's item and keeps the focus.
class RateRange {
public:
    RateRange(QWidget* screen, QString errorTitle, RateList* maxList, RateList* minList);
    double Min() const { return min_; }
    double Max() const { return max_; }
    void MaxChosen();
    void MinChosen();
    // The minimum list takes the maximum list's item; the minimum becomes rate.
    void MinFollowsMax(double rate);

private:
    // The box, then the list takes the other list's item and keeps the focus.
    void Refuse(const QString& message, RateList* list, const RateList* other, double& rate);

    QWidget* screen_;
    QString errorTitle_;
    RateList* maxList_;
    RateList* minList_;
    double min_ = 0.0;
    double max_ = 0.0;
};

// Sets the keyboard focus to visit the controls in the order given.
void SetTabOrder(std::initializer_list<QWidget*> controls);

}  // namespace zolt
