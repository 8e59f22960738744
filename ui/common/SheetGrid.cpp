#include "ui/common/SheetGrid.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <algorithm>

#include "ui/common/Layout.h"
#include "ui/common/QtText.h"

namespace zolt {

namespace {

constexpr int kDefaultColWidth = 960;   // twips
constexpr int kDefaultRowHeight = 240;  // twips

Qt::Alignment ToQtAlignment(int alignment) {
    switch (alignment) {
        case kGridAlignRight: return Qt::AlignRight | Qt::AlignVCenter;
        case kGridAlignCenter: return Qt::AlignCenter;
        default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// A section's size in whole pixels, rounded down: sizes computed as the available room
// divided by the sections that should be in view (16 rows, 3 columns) must all fit.
int SectionPx(int twips) { return std::max(twips, 0) / kTwipsPerPixel; }

// The grid keeps texts as they were set ("\r\n" between lines); the view wants "\n".
QString DisplayText(QString text) {
    if (text.contains(QLatin1Char('\r'))) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    return text;
}

}  // namespace

// =====================================================================================
// Model

SheetGridModel::SheetGridModel(QObject* parent) : QAbstractTableModel(parent) {
    colAlignment_.assign(static_cast<std::size_t>(cols_), kGridAlignLeft);
    fixedAlignment_.assign(static_cast<std::size_t>(cols_), kGridAlignLeft);
}

int SheetGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_ - 1; }

int SheetGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_ - 1; }

QVariant SheetGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    return CellData(index.row() + 1, index.column() + 1, role, ColAlignment(index.column() + 1));
}

QVariant SheetGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const bool across = orientation == Qt::Horizontal;
    if (section < 0 || section >= (across ? cols_ - 1 : rows_ - 1)) return {};
    const int col = across ? section + 1 : 0;
    return CellData(across ? 0 : section + 1, col, role, FixedAlignment(col));
}

// What a body cell or a fixed cell shows for a role.
QVariant SheetGridModel::CellData(int row, int col, int role, int alignment) const {
    switch (role) {
        case Qt::DisplayRole: return DisplayText(CellText(row, col));
        case Qt::TextAlignmentRole: return QVariant::fromValue(ToQtAlignment(alignment));
        case Qt::DecorationRole: {
            const QPixmap picture = Picture(row, col);
            if (picture.isNull()) return {};
            return picture;
        }
        default: return {};
    }
}

Qt::ItemFlags SheetGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

SheetGridModel::Rect SheetGridModel::Clip(Rect area) const {
    area.row1 = std::max(area.row1, 0);
    area.col1 = std::max(area.col1, 0);
    area.row2 = std::min(area.row2, rows_ - 1);
    area.col2 = std::min(area.col2, cols_ - 1);
    return area;
}

void SheetGridModel::SetSize(int rows, int cols) {
    rows = std::max(rows, 2);
    cols = std::max(cols, 2);
    if (rows == rows_ && cols == cols_) return;
    beginResetModel();
    const bool shrinks = rows < rows_ || cols < cols_;
    rows_ = rows;
    cols_ = cols;
    colAlignment_.resize(static_cast<std::size_t>(cols_), kGridAlignLeft);
    fixedAlignment_.resize(static_cast<std::size_t>(cols_), kGridAlignLeft);
    if (shrinks) {
        // What falls outside is gone, as if the rows and columns had been deleted.
        for (auto it = texts_.begin(); it != texts_.end();) {
            const int row = static_cast<int>(it.key() >> 32);
            const int col = static_cast<int>(it.key() & 0xffffffffu);
            it = (row >= rows_ || col >= cols_) ? texts_.erase(it) : std::next(it);
        }
        for (auto it = pictures_.begin(); it != pictures_.end();) {
            const int row = static_cast<int>(it.key() >> 32);
            const int col = static_cast<int>(it.key() & 0xffffffffu);
            it = (row >= rows_ || col >= cols_) ? pictures_.erase(it) : std::next(it);
        }
        for (Layer& layer : layers_) {
            layer.area.row2 = std::min(layer.area.row2, rows_ - 1);
            layer.area.col2 = std::min(layer.area.col2, cols_ - 1);
        }
        std::erase_if(layers_, [](const Layer& layer) { return layer.area.Empty(); });
    }
    endResetModel();
    emit cornerChanged();
}

QString SheetGridModel::LayerText(const Layer& layer, int row, int col) const {
    if (layer.source) return layer.source(row, col);
    if (layer.numbers.values) {
        const std::size_t index = layer.numbers.offset +
                                  static_cast<std::size_t>(row - layer.area.row1) * layer.numbers.stride +
                                  static_cast<std::size_t>(col - layer.area.col1);
        return ToQ(FormatNumber((*layer.numbers.values)[index], layer.numbers.mask, region_));
    }
    return layer.fill;
}

QString SheetGridModel::CellText(int row, int col) const {
    if (row < 0 || col < 0 || row >= rows_ || col >= cols_) return {};
    const auto it = texts_.constFind(Key(row, col));
    if (it != texts_.constEnd()) return *it;
    for (auto layer = layers_.rbegin(); layer != layers_.rend(); ++layer) {
        if (layer->area.Contains(row, col)) return LayerText(*layer, row, col);
    }
    return {};
}

void SheetGridModel::NotifyRect(const Rect& area) {
    const Rect clipped = Clip(area);
    if (clipped.Empty()) return;
    if (clipped.row2 >= 1 && clipped.col2 >= 1) {
        emit dataChanged(index(std::max(clipped.row1, 1) - 1, std::max(clipped.col1, 1) - 1),
                         index(clipped.row2 - 1, clipped.col2 - 1));
    }
    if (clipped.row1 == 0 && clipped.col2 >= 1) {
        emit headerDataChanged(Qt::Horizontal, std::max(clipped.col1, 1) - 1, clipped.col2 - 1);
    }
    if (clipped.col1 == 0 && clipped.row2 >= 1) {
        emit headerDataChanged(Qt::Vertical, std::max(clipped.row1, 1) - 1, clipped.row2 - 1);
    }
    if (clipped.Contains(0, 0)) emit cornerChanged();
}

void SheetGridModel::SetCellText(int row, int col, const QString& text) {
    if (row < 0 || col < 0 || row >= rows_ || col >= cols_) return;
    texts_.insert(Key(row, col), text);
    NotifyRect({row, col, row, col});
}

void SheetGridModel::DropCoveredTexts(const Rect& area) {
    for (auto it = texts_.begin(); it != texts_.end();) {
        const int row = static_cast<int>(it.key() >> 32);
        const int col = static_cast<int>(it.key() & 0xffffffffu);
        it = area.Contains(row, col) ? texts_.erase(it) : std::next(it);
    }
}

void SheetGridModel::AddLayer(Layer layer) {
    DropCoveredTexts(layer.area);
    const Rect area = layer.area;
    std::erase_if(layers_, [&](const Layer& old) { return old.area.Inside(area); });
    // An empty fill over body cells that nothing else covers changes nothing.
    const bool emptyFill = !layer.source && !layer.numbers.values && layer.fill.isEmpty();
    const bool intersects = std::any_of(layers_.begin(), layers_.end(), [&](const Layer& old) {
        return !(old.area.row2 < area.row1 || old.area.row1 > area.row2 || old.area.col2 < area.col1 ||
                 old.area.col1 > area.col2);
    });
    if (!emptyFill || intersects) layers_.push_back(std::move(layer));
    NotifyRect(area);
}

void SheetGridModel::FillRect(int row1, int col1, int row2, int col2, const QString& text) {
    Rect area = Clip({std::min(row1, row2), std::min(col1, col2), std::max(row1, row2), std::max(col1, col2)});
    if (area.Empty()) return;
    Layer layer;
    layer.area = area;
    layer.fill = text;
    AddLayer(std::move(layer));
}

void SheetGridModel::SetNumbers(int firstRow, int firstCol, NumberMatrix matrix) {
    if (!matrix.values || matrix.rows <= 0 || matrix.cols <= 0 || firstRow < 0 || firstCol < 0) return;
    // Refuse a matrix that would read beyond its vector.
    const std::size_t last = matrix.offset + static_cast<std::size_t>(matrix.rows - 1) * matrix.stride +
                             static_cast<std::size_t>(matrix.cols);
    if (last > matrix.values->size() || (matrix.rows > 1 && matrix.stride < static_cast<std::size_t>(matrix.cols))) {
        return;
    }
    Layer layer;
    layer.area = {firstRow, firstCol, firstRow + matrix.rows - 1, firstCol + matrix.cols - 1};
    layer.numbers = std::move(matrix);
    AddLayer(std::move(layer));
}

void SheetGridModel::SetTextSource(int firstRow, int firstCol, int rows, int cols, CellTextFn source) {
    if (!source || rows <= 0 || cols <= 0 || firstRow < 0 || firstCol < 0) return;
    Layer layer;
    layer.area = {firstRow, firstCol, firstRow + rows - 1, firstCol + cols - 1};
    layer.source = std::move(source);
    AddLayer(std::move(layer));
}

int SheetGridModel::ColAlignment(int col) const {
    if (col < 0 || col >= cols_) return kGridAlignLeft;
    return colAlignment_[static_cast<std::size_t>(col)];
}

int SheetGridModel::FixedAlignment(int col) const {
    if (col < 0 || col >= cols_) return kGridAlignLeft;
    return fixedAlignment_[static_cast<std::size_t>(col)];
}

void SheetGridModel::SetColAlignment(int firstCol, int lastCol, int alignment) {
    firstCol = std::max(firstCol, 0);
    lastCol = std::min(lastCol, cols_ - 1);
    if (lastCol < firstCol) return;
    std::fill(colAlignment_.begin() + firstCol, colAlignment_.begin() + lastCol + 1, alignment);
    NotifyRect({1, firstCol, rows_ - 1, lastCol});
}

void SheetGridModel::SetFixedAlignment(int firstCol, int lastCol, int alignment) {
    firstCol = std::max(firstCol, 0);
    lastCol = std::min(lastCol, cols_ - 1);
    if (lastCol < firstCol) return;
    std::fill(fixedAlignment_.begin() + firstCol, fixedAlignment_.begin() + lastCol + 1, alignment);
    NotifyRect({0, firstCol, 0, lastCol});
    if (firstCol == 0) NotifyRect({1, 0, rows_ - 1, 0});
}

QPixmap SheetGridModel::Picture(int row, int col) const { return pictures_.value(Key(row, col)); }

void SheetGridModel::SetPicture(int row, int col, const QPixmap& picture) {
    if (row < 0 || col < 0 || row >= rows_ || col >= cols_) return;
    if (picture.isNull()) {
        pictures_.remove(Key(row, col));
    } else {
        pictures_.insert(Key(row, col), picture);
    }
    NotifyRect({row, col, row, col});
}

// =====================================================================================
// View

SheetGrid::SheetGrid(QWidget* parent) : QTableView(parent), model_(new SheetGridModel(this)) {
    setModel(model_);
    setFont(DialogFont());
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid for the next control; the arrow keys move between cells.
    setTabKeyNavigation(false);
    setWordWrap(false);
    // One pixel of border on each side: the 30 twips the layout leaves beside the cells.
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    setTextElideMode(Qt::ElideNone);

    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(0);
        header->setHighlightSections(false);
        header->setTextElideMode(Qt::ElideNone);
        header->setSectionsClickable(true);
    }
    horizontalHeader()->setStretchLastSection(false);

    colWidth_.assign(static_cast<std::size_t>(Cols()), kDefaultColWidth);
    rowHeight_.assign(static_cast<std::size_t>(Rows()), kDefaultRowHeight);
    ApplyGeometry();

    // The view's corner button is the grid's top-left cell; it draws the cell's picture and text.
    corner_ = findChild<QAbstractButton*>();
    if (corner_) corner_->installEventFilter(this);
    connect(model_, &SheetGridModel::cornerChanged, this, [this] {
        if (corner_) corner_->update();
    });

    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { emit cellChosen(index.row() + 1, index.column() + 1); });
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit cellDoubleClicked(index.row() + 1, index.column() + 1); });
    // The selected block stays marked while the grid has no focus.
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);
    SetScrollBars(kScrollBoth);
}

void SheetGrid::SetRows(int rows) {
    const int old = Rows();
    model_->SetSize(rows, Cols());
    rowHeight_.resize(static_cast<std::size_t>(Rows()), old >= 2 ? rowHeight_[static_cast<std::size_t>(old - 1)]
                                                                 : kDefaultRowHeight);
    ApplyGeometry();
}

void SheetGrid::SetCols(int cols) {
    const int old = Cols();
    model_->SetSize(Rows(), cols);
    colWidth_.resize(static_cast<std::size_t>(Cols()), old >= 2 ? colWidth_[static_cast<std::size_t>(old - 1)]
                                                                : kDefaultColWidth);
    ApplyGeometry();
}

int SheetGrid::WidthTwips() const { return static_cast<int>(Twips(width())); }
int SheetGrid::HeightTwips() const { return static_cast<int>(Twips(height())); }
void SheetGrid::SetWidthTwips(int twips) { resize(std::max(Px(twips), 0), height()); }
void SheetGrid::SetHeightTwips(int twips) { resize(width(), std::max(Px(twips), 0)); }

int SheetGrid::ColWidth(int col) const {
    if (col < 0 || col >= Cols()) return 0;
    return colWidth_[static_cast<std::size_t>(col)];
}

int SheetGrid::RowHeight(int row) const {
    if (row < 0 || row >= Rows()) return 0;
    return rowHeight_[static_cast<std::size_t>(row)];
}

void SheetGrid::SetSizes(Axis axis, int first, int last, int twips) {
    std::vector<int>& sizes = Sizes(axis);
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(sizes.size()) - 1);
    if (last < first) return;
    std::fill(sizes.begin() + first, sizes.begin() + last + 1, std::max(twips, 0));
    ApplySizes(axis, first, last);
}

// Sizes in twips are the grid's own; the headers get them in pixels. Size 0 is the thickness
// of the fixed header across; the others are the sections of the header along the axis. A
// range over every body section sets the header's default size and resizes only the sections
// that differ from it: one call instead of thousands for a table's equal rows and columns.
void SheetGrid::ApplySizes(Axis axis, int first, int last) {
    const std::vector<int>& sizes = Sizes(axis);
    const bool cols = axis == Axis::Cols;
    if (first == 0) {
        if (cols) verticalHeader()->setFixedWidth(SectionPx(sizes[0]));
        else horizontalHeader()->setFixedHeight(SectionPx(sizes[0]));
    }
    first = std::max(first, 1);
    if (last < first) return;
    QHeaderView* sections = cols ? horizontalHeader() : verticalHeader();
    const int common = sizes[static_cast<std::size_t>(first)];
    const bool all = first == 1 && last == static_cast<int>(sizes.size()) - 1;
    if (all) sections->setDefaultSectionSize(SectionPx(common));
    for (int i = first; i <= last; ++i) {
        const int size = sizes[static_cast<std::size_t>(i)];
        if (!all || size != common) sections->resizeSection(i - 1, SectionPx(size));
    }
}

// After the model changed its size the headers start from their default sizes again.
void SheetGrid::ApplyGeometry() {
    ApplySizes(Axis::Cols, 0, Cols() - 1);
    ApplySizes(Axis::Rows, 0, Rows() - 1);
}

int SheetGrid::Row() const { return currentIndex().isValid() ? currentIndex().row() + 1 : 0; }
int SheetGrid::Col() const { return currentIndex().isValid() ? currentIndex().column() + 1 : 0; }

void SheetGrid::SetCurrentCell(int row, int col) {
    if (row < 1 || col < 1 || row >= Rows() || col >= Cols()) return;
    selectionModel()->setCurrentIndex(model_->index(row - 1, col - 1), QItemSelectionModel::NoUpdate);
}

QString SheetGrid::Text() const { return currentIndex().isValid() ? CellText(Row(), Col()) : QString(); }

// Moving the current cell with the keyboard chooses the cell as a click does.
void SheetGrid::keyPressEvent(QKeyEvent* event) {
    const QModelIndex before = currentIndex();
    QTableView::keyPressEvent(event);
    if (currentIndex().isValid() && currentIndex() != before) emit cellChosen(Row(), Col());
}

SheetGrid::SelRect SheetGrid::Selection() const {
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty()) {
        const int row = std::max(Row(), 1);
        const int col = std::max(Col(), 1);
        return {row, col, row, col};
    }
    SelRect rect{Rows(), Cols(), 0, 0};
    for (const QItemSelectionRange& range : selection) {
        rect.row1 = std::min(rect.row1, range.top() + 1);
        rect.col1 = std::min(rect.col1, range.left() + 1);
        rect.row2 = std::max(rect.row2, range.bottom() + 1);
        rect.col2 = std::max(rect.col2, range.right() + 1);
    }
    return rect;
}

int SheetGrid::SelStartRow() const { return Selection().row1; }
int SheetGrid::SelEndRow() const { return Selection().row2; }
int SheetGrid::SelStartCol() const { return Selection().col1; }
int SheetGrid::SelEndCol() const { return Selection().col2; }

void SheetGrid::SetSelection(int row1, int col1, int row2, int col2) {
    auto clampRow = [&](int row) { return std::clamp(row, 1, Rows() - 1); };
    auto clampCol = [&](int col) { return std::clamp(col, 1, Cols() - 1); };
    const int top = clampRow(std::min(row1, row2));
    const int bottom = clampRow(std::max(row1, row2));
    const int left = clampCol(std::min(col1, col2));
    const int right = clampCol(std::max(col1, col2));
    const QItemSelection selection(model_->index(top - 1, left - 1), model_->index(bottom - 1, right - 1));
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void SheetGrid::SetScrollBars(int setting) {
    scrollBars_ = std::clamp(setting, kScrollNone, kScrollBoth);
    setHorizontalScrollBarPolicy((scrollBars_ & kScrollHorizontal) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy((scrollBars_ & kScrollVertical) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void SheetGrid::ScrollToOrigin() {
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void SheetGrid::Refresh() {
    viewport()->update();
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
    if (corner_) corner_->update();
}

int SheetGrid::TextWidthTwips(const QString& text) const {
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const QString& line : DisplayText(text).split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return static_cast<int>(Twips(widest));
}

bool SheetGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == corner_ && event->type() == QEvent::Paint) {
        PaintCorner(corner_);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void SheetGrid::PaintCorner(QWidget* corner) {
    QPainter painter(corner);
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.state |= QStyle::State_Raised;
    style()->drawControl(QStyle::CE_HeaderSection, &option, &painter, corner);
    const QPixmap picture = model_->Picture(0, 0);
    if (!picture.isNull()) {
        // The picture stands for the cell: a text left from an earlier plan (the cell keeps
        // it) would only be written across the picture.
        painter.drawPixmap(0, 0, picture);
        return;
    }
    const QString text = DisplayText(model_->CellText(0, 0));
    if (!text.isEmpty()) {
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::ButtonText));
        // The column is sized to the text itself; the margin gives way rather than cut letters.
        const QRect inner = corner->rect().adjusted(2, 0, -2, 0);
        const int flags = static_cast<int>(ToQtAlignment(model_->FixedAlignment(0)));
        const bool fits = painter.boundingRect(inner, flags, text).width() <= inner.width();
        painter.drawText(fits ? inner : corner->rect(), flags | Qt::TextDontClip, text);
    }
}

}  // namespace zolt
