#include "ui/common/FormControls.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "ui/common/FormKit.h"
#include "ui/common/Layout.h"

namespace zolt {

namespace {
template <typename Control>
Control* Placed(Control* control, const QString& name, TwipsRect at) {
    control->setObjectName(name);
    PlaceTwips(control, at.left, at.top, at.width, at.height);
    return control;
}
}  // namespace

QGroupBox* MakeFrame(QWidget* parent, const QString& name, const QString& caption, TwipsRect at) {
    return Placed(new QGroupBox(caption, parent), name, at);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, TwipsRect at) {
    auto* label = Placed(new QLabel(caption, parent), name, at);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* MakeTextField(QWidget* parent, const QString& name, const QString& text, TwipsRect at) {
    return Placed(new QLineEdit(text, parent), name, at);
}

QLineEdit* MakeOutputField(QWidget* parent, const QString& name, TwipsRect at) {
    auto* field = Placed(new QLineEdit(parent), name, at);
    field->setReadOnly(true);
    return field;
}

QComboBox* MakeRateBox(QWidget* parent, const QString& name, const QString& initialText, TwipsRect at,
                       double upTo) {
    auto* box = Placed(new QComboBox(parent), name, at);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setMaxVisibleItems(12);
    FillRateBox(box, 0.1, upTo, 0.1, "#0.0");
    box->setEditText(initialText);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, TwipsRect at) {
    auto* button = Placed(new QPushButton(caption, parent), name, at);
    button->setAutoDefault(false);
    return button;
}

QRadioButton* MakeOption(QWidget* parent, const QString& name, const QString& caption, TwipsRect at) {
    return Placed(new QRadioButton(caption, parent), name, at);
}

QFrame* MakeLine(QWidget* parent, const QString& name, TwipsRect at) {
    auto* line = Placed(new QFrame(parent), name, at);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

RowList MakeRowList(QWidget* parent, const QString& name, RowListModel::RowText rowText, TwipsRect at) {
    auto* view = Placed(new QListView(parent), name, at);
    QFont fixed(QStringLiteral("Courier New"), 8);
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    view->setFont(fixed);
    auto* model = new RowListModel(std::move(rowText), view);
    ShowRows(view, model);
    return {view, model};
}

namespace {
bool SameRow(const QRect& a, const QRect& b) {
    return std::abs(a.top() - b.top()) < std::min(a.height(), b.height()) / 2;
}

// The focusable controls below parent in reading order. A control's own children (the line
// edit of an editable box) go with it; any other widget is a container searched in place.
void CollectInReadingOrder(const QWidget* parent, std::vector<QWidget*>& order) {
    std::vector<QWidget*> children;
    for (QObject* child : parent->children()) {
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow()) children.push_back(widget);
    }
    std::stable_sort(children.begin(), children.end(),
                     [](const QWidget* a, const QWidget* b) { return a->geometry().top() < b->geometry().top(); });
    // Rows: each widget joins the row of the first one it shares a row with, left to right.
    for (auto rowStart = children.begin(); rowStart != children.end();) {
        auto rowEnd = std::next(rowStart);
        while (rowEnd != children.end() && SameRow((*rowStart)->geometry(), (*rowEnd)->geometry())) ++rowEnd;
        std::stable_sort(rowStart, rowEnd,
                         [](const QWidget* a, const QWidget* b) { return a->geometry().left() < b->geometry().left(); });
        rowStart = rowEnd;
    }
    for (QWidget* widget : children) {
        if (widget->focusPolicy() & Qt::TabFocus) order.push_back(widget);
        else CollectInReadingOrder(widget, order);
    }
}
}  // namespace

void OrderTabsByReading(QWidget* screen) {
    std::vector<QWidget*> order;
    CollectInReadingOrder(screen, order);
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

QFont ResultFont() {
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    return font;
}

}  // namespace zolt
