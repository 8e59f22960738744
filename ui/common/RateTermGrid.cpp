#include "ui/common/RateTermGrid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "core/NumberRules.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/QtText.h"

namespace zolt {

namespace {

// The rows and columns in view at once; scroll bars appear beyond them.
constexpr int kRowsInView = 16;
constexpr int kTermsInView = 3;
// The room a scroll bar takes from the rows or the columns beside it.
constexpr double kScrollBarTwips = 255.0;
// The grid's border: one pixel on each side.
constexpr double kBorderTwips = 30.0;

// Twips are whole numbers; a computed size is rounded like any assignment to one (half to
// even), and a window too small for the grid gives 0 rather than a negative size.
int RoundTwips(double twips) { return std::max(0, static_cast<int>(std::nearbyint(twips))); }

const QString kLineBreak = QStringLiteral("\r\n");

// A page as a table: the label column (its value labelOf(row), rows counted from 1), then
// one column of amounts per header, read from values.
ExportTable PageTable(const PageHead& head, const QString& screenTitle, ExportColumn label,
                      std::function<double(int row)> labelOf, const QStringList& headers, NumberMatrix values) {
    ExportTable table{head.title, screenTitle, head.inputs, {}, values.rows, {}, {}};
    table.columns.reserve(static_cast<std::size_t>(headers.size()) + 1);
    table.columns.push_back(std::move(label));
    for (const QString& header : headers) table.columns.push_back({header, ExportKind::Amount, 2});
    table.cell = [labelOf = std::move(labelOf), values = std::move(values)](qsizetype row, int col) -> ExportCell {
        if (col == 0) return labelOf(static_cast<int>(row) + 1);
        return (*values.values)[values.offset + static_cast<std::size_t>(row) * values.stride +
                                static_cast<std::size_t>(col - 1)];
    };
    return table;
}

}  // namespace

TablePage MakeTablePage(int rateCount, int termCount, std::function<double(int row)> rateOf,
                        std::function<double(int col)> termOf, QString unitWord, NumberMatrix values,
                        const RegionalSettings& region) {
    TablePage page;
    page.rateCount = rateCount;
    page.termCount = termCount;
    page.rateOf = std::move(rateOf);
    page.rateLabel = [rateOf = page.rateOf, region](int row) {
        return ToQ(FormatNumber(rateOf(row), "0.0", region)) + QLatin1Char('%');
    };
    page.termLabel = [termOf = std::move(termOf), region](int col) { return ToQ(FormatGeneral(termOf(col), region)); };
    page.unitWord = std::move(unitWord);
    page.values = std::move(values);
    return page;
}

PlanPage MakePlanPage(int periodCount, std::function<double(int row)> periodOf, QString unitWord, QStringList headers,
                      NumberMatrix values, const RegionalSettings& region) {
    PlanPage page;
    page.periodCount = periodCount;
    page.periodOf = std::move(periodOf);
    page.periodLabel = [periodOf = page.periodOf, region](int row) {
        return ToQ(FormatGeneral(periodOf(row), region));
    };
    page.unitWord = std::move(unitWord);
    page.headers = std::move(headers);
    page.values = std::move(values);
    return page;
}

QString CopiedTermHeader(double term, bool years) {
    return ToQ(FormatGeneral(term)) + (years ? QStringLiteral(" Jahre") : QStringLiteral(" Monate"));
}

ExportTable ExportOf(const TablePage& page, const QString& screenTitle) {
    QStringList terms;
    terms.reserve(page.termCount);
    for (int col = 1; col <= page.termCount; ++col) terms << page.termLabel(col) + QLatin1Char(' ') + page.unitWord;
    return PageTable(page.head, screenTitle, {QStringLiteral("Zinssatz %"), ExportKind::Percent, 1}, page.rateOf, terms,
                     page.values);
}

ExportTable ExportOf(const PlanPage& page, const QString& screenTitle) {
    return PageTable(page.head, screenTitle, {page.periodHeader, ExportKind::Number, -1}, page.periodOf,
                     page.headers, page.values);
}

QStringList RangeLines(const TablePage& page) {
    const auto line = [](const QString& label, const QString& low, const QString& high, const QString& unit) {
        return label + QStringLiteral(": ") + low + (high == low ? QString() : QStringLiteral(" \u2013 ") + high) +
               QLatin1Char(' ') + unit;
    };
    const auto rate = [&page](int row) { return ToQ(FormatNumber(page.rateOf(row), "0.0")); };
    return {line(QStringLiteral("Laufzeit"), page.termLabel(1), page.termLabel(page.termCount), page.unitWord),
            line(QStringLiteral("Zinssatz"), rate(1), rate(page.rateCount), QStringLiteral("%"))};
}

RateTermGrid::RateTermGrid(SheetGrid& grid, QPixmap picture) : grid_(grid), picture_(std::move(picture)) {
    grid_.SetColWidth(0, static_cast<int>(Twips(picture_.width())));
    grid_.SetRowHeight(0, static_cast<int>(Twips(picture_.height())));
    grid_.SetPicture(0, 0, picture_);
    LayOut();
}

// The fixed row and column become " ", the body empty; the top-left cell keeps its text and
// picture. The selection is cell (1, 1), scrolled back into view.
void RateTermGrid::Clear() {
    grid_.FillRect(1, 0, grid_.Rows() - 1, 0, QStringLiteral(" "));
    grid_.FillRect(0, 1, 0, grid_.Cols() - 1, QStringLiteral(" "));
    grid_.FillRect(1, 1, grid_.Rows() - 1, grid_.Cols() - 1, QString());
    grid_.SetCurrentCell(1, 1);
    grid_.SetSelection(1, 1, 1, 1);
    grid_.ScrollToOrigin();
}

double RateTermGrid::AvailableHeight() const { return grid_.HeightTwips() - grid_.RowHeight(0) - kBorderTwips; }
double RateTermGrid::AvailableWidth() const { return grid_.WidthTwips() - grid_.ColWidth(0) - kBorderTwips; }

void RateTermGrid::LayOut() {
    switch (shown_) {
        case Shown::Nothing: LayOutTable(kRowsInView, kTermsInView); break;
        case Shown::Table: LayOutTable(table_.rateCount, table_.termCount); break;
        case Shown::Plan: LayOutPlan(); break;
    }
}

// At least 16 rows and 3 columns; a horizontal scroll bar takes room from the rows, a vertical
// one from the columns.
void RateTermGrid::LayOutTable(int rateCount, int termCount) {
    const bool manyRates = rateCount > kRowsInView;
    const bool manyTerms = termCount > kTermsInView;
    const int rows = std::max(rateCount, kRowsInView) + 1;
    const int cols = std::max(termCount, kTermsInView) + 1;
    const double height = (AvailableHeight() - (manyTerms ? kScrollBarTwips : 0.0)) / kRowsInView;
    const double width = (AvailableWidth() - (manyRates ? kScrollBarTwips : 0.0)) / kTermsInView;
    grid_.SetScrollBars((manyTerms ? kScrollHorizontal : kScrollNone) | (manyRates ? kScrollVertical : kScrollNone));
    grid_.SetRows(rows);
    grid_.SetCols(cols);
    grid_.SetRowHeights(1, rows - 1, RoundTwips(height));
    grid_.SetColWidths(1, cols - 1, RoundTwips(width));
}

// The plan's rows take a sixteenth of the height each; its columns share the width beside
// the room of a vertical scroll bar.
void RateTermGrid::LayOutPlan() {
    const auto cols = static_cast<int>(plan_.headers.size());
    if (plan_.periodCount > 0) grid_.SetRowHeights(1, plan_.periodCount, RoundTwips(AvailableHeight() / kRowsInView));
    if (cols > 0) grid_.SetColWidths(1, cols, RoundTwips((AvailableWidth() - kScrollBarTwips) / cols));
}

void RateTermGrid::ShowTable(TablePage page) {
    Clear();
    // The top-left cell shows the picture alone; a plan's unit is no text of a table.
    grid_.SetCellText(0, 0, QString());
    grid_.SetPicture(0, 0, picture_);
    grid_.SetColWidth(0, static_cast<int>(Twips(picture_.width())));
    table_ = std::move(page);
    shown_ = Shown::Table;
    LayOut();

    const int rates = table_.rateCount;
    const int terms = table_.termCount;
    if (terms > 0) {
        grid_.SetFixedAlignments(1, terms, kGridAlignCenter);
        grid_.SetTextSource(0, 1, 1, terms, [label = table_.termLabel, unit = table_.unitWord](int, int col) {
            return kLineBreak + label(col) + kLineBreak + unit;
        });
    }
    grid_.SetFixedAlignments(0, 0, kGridAlignCenter);
    if (rates > 0) {
        grid_.SetTextSource(1, 0, rates, 1, [label = table_.rateLabel](int row, int) { return label(row); });
    }
    if (rates > 0 && terms > 0) {
        grid_.SetColAlignments(1, terms, kGridAlignCenter);
        grid_.SetNumbers(1, 1, table_.values);
    }
    if (exports_) exports_->SetAvailable(true);
}

void RateTermGrid::ShowPlan(PlanPage page) {
    Clear();
    plan_ = std::move(page);
    shown_ = Shown::Plan;
    const auto cols = static_cast<int>(plan_.headers.size());
    const int periods = plan_.periodCount;
    grid_.SetCols(cols + 1);
    grid_.SetPicture(0, 0, QPixmap());
    const QString corner = kLineBreak + plan_.unitWord;
    grid_.SetCellText(0, 0, corner);
    grid_.SetColWidth(0, RoundTwips(1.1 * grid_.TextWidthTwips(corner)));
    for (int col = 1; col <= cols; ++col) grid_.SetCellText(0, col, kLineBreak + plan_.headers[col - 1]);
    grid_.SetFixedAlignments(1, cols, kGridAlignCenter);
    // A plan longer than the grid scrolls vertically; the column widths leave room for the bar.
    grid_.SetScrollBars(kScrollVertical);
    grid_.SetRows(std::max(periods + 1, kRowsInView));
    LayOutPlan();
    if (periods > 0) {
        grid_.SetTextSource(1, 0, periods, 1, [label = plan_.periodLabel](int row, int) { return label(row); });
        grid_.SetColAlignments(1, cols, kGridAlignCenter);
        grid_.SetNumbers(1, 1, plan_.values);
    }
    grid_.Refresh();
    if (exports_) exports_->SetAvailable(true);
}

bool RateTermGrid::CurrentTableCell(int& row, int& col) const {
    row = grid_.Row();
    col = grid_.Col();
    return shown_ == Shown::Table && row >= 1 && col >= 1 && row <= table_.rateCount && col <= table_.termCount;
}

bool RateTermGrid::TableCellChosen() const { return shown_ == Shown::Table && !grid_.Text().isEmpty(); }

QString RateTermGrid::SelectionText(const std::function<QString(int col)>& termHeader) const {
    const int row1 = grid_.SelStartRow();
    const int row2 = grid_.SelEndRow();
    const int col1 = grid_.SelStartCol();
    const int col2 = grid_.SelEndCol();

    QString text;
    for (int col = col1; col <= col2; ++col) {
        text += QLatin1Char('\t');
        if (shown_ == Shown::Table && col <= table_.termCount && termHeader) text += termHeader(col);
        if (shown_ == Shown::Plan) text += grid_.CellText(0, col).mid(1);
    }
    text += kLineBreak;

    // Each row starts with its label from the fixed column. The text is built cell by cell,
    // so a large block is held once.
    for (int row = row1; row <= row2; ++row) {
        if (row > row1) text += kLineBreak;
        text += grid_.CellText(row, 0);
        for (int col = col1; col <= col2; ++col) {
            text += QLatin1Char('\t');
            text += grid_.CellText(row, col);
        }
    }
    return text;
}

void RateTermGrid::CopySelection(const std::function<QString(int col)>& termHeader) const {
    const QString text = SelectionText(termHeader);
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(text);
}

TableActions* RateTermGrid::AttachExports(const QString& errorTitle, const QString& screenTitle, QMenu* menu,
                                          QAction* before, PlanChart planChart) {
    exports_ = TableActions::Attach(
        &grid_, errorTitle, [this, screenTitle] { return Exported(screenTitle); },
        [this, planChart = std::move(planChart)]() -> std::optional<ChartSpec> {
            if (shown_ != Shown::Plan) return std::nullopt;
            return planChart(plan_);
        });
    exports_->AddMenuTwins(menu, before);
    exports_->SetAvailable(shown_ != Shown::Nothing);
    return exports_;
}

std::optional<ExportTable> RateTermGrid::Exported(const QString& screenTitle) const {
    switch (shown_) {
        case Shown::Nothing: break;
        case Shown::Table: return ExportOf(table_, screenTitle);
        case Shown::Plan: return ExportOf(plan_, screenTitle);
    }
    return std::nullopt;
}

// ---------------------------------------------------------------------------------------

RateList::RateList(QWidget* parent, const QString& name, TwipsRect at, int highestRate, Kind kind)
    : QComboBox(parent) {
    setObjectName(name);
    PlaceTwips(this, at.left, at.top, at.width, at.height);
    for (int rate = 0; rate <= highestRate; ++rate) addItem(ToQ(FormatNumber(rate, "0.0")));
    if (kind == Kind::DropDown) {
        connect(this, &QComboBox::currentIndexChanged, this, &RateList::chosen);
        return;
    }
    // Leaving the field matches typed text against the items and would choose a matching one;
    // the flag set before the list's own matching and cleared after it tells that choice apart.
    auto* edit = new QLineEdit(this);
    connect(edit, &QLineEdit::editingFinished, this, [this] { editFinishing_ = true; });
    setLineEdit(edit);
    connect(edit, &QLineEdit::editingFinished, this, [this] { editFinishing_ = false; });
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(this, &QComboBox::activated, this, [this] {
        if (!editFinishing_) emit chosen();
    });
}

double RateList::ItemRate() const { return LeadingNumber(ToStd(itemText(currentIndex()))); }

// The arrow keys open the list instead of stepping through it: a rate is chosen in the list.
void RateList::keyPressEvent(QKeyEvent* event) {
    if (!isEditable()) {
        QComboBox::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: showPopup(); return;
        default: QComboBox::keyPressEvent(event);
    }
}

void RateList::wheelEvent(QWheelEvent* event) {
    if (isEditable()) event->ignore();
    else QComboBox::wheelEvent(event);
}

RateRange::RateRange(QWidget* screen, QString errorTitle, RateList* maxList, RateList* minList)
    : screen_(screen), errorTitle_(std::move(errorTitle)), maxList_(maxList), minList_(minList) {
    maxList_->setCurrentIndex(0);
    minList_->setCurrentIndex(0);
    MaxChosen();
    MinChosen();
}

void RateRange::MaxChosen() {
    max_ = maxList_->ItemRate();
    if (max_ < min_) {
        Refuse(QStringLiteral("Der maximale Zinssatz muß größer oder gleich dem minimalen Zinssatz sein."), maxList_,
               minList_, max_);
    }
}

void RateRange::MinChosen() {
    min_ = minList_->ItemRate();
    if (max_ < min_) {
        Refuse(QStringLiteral("Der minimale Zinssatz muß kleiner oder gleich dem maximalen Zinssatz sein."), minList_,
               maxList_, min_);
    }
}

void RateRange::Refuse(const QString& message, RateList* list, const RateList* other, double& rate) {
    ShowInputError(screen_, message, errorTitle_);
    list->setCurrentIndex(other->currentIndex());
    rate = list->ItemRate();
    list->setFocus();
}

void RateRange::MinFollowsMax(double rate) {
    minList_->setCurrentIndex(maxList_->currentIndex());
    MinChosen();
    min_ = rate;
}

void SetTabOrder(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

}  // namespace zolt
