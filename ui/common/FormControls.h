#pragma once
// Creating the controls of a calculator screen: each gets its control name as objectName,
// its twips position, and the behaviour every screen wants from that kind of control
// (rate boxes filled and without auto-completion, result fields read-only).

#include <QFont>
#include <QString>

#include "ui/common/Layout.h"
#include "ui/common/RowListModel.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class QWidget;

namespace zolt {

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Any control, named and placed by its twips.
template <typename Control>
Control* MakeControl(QWidget* parent, const QString& name, TwipsRect at) {
    auto* control = new Control(parent);
    control->setObjectName(name);
    PlaceTwips(control, at.left, at.top, at.width, at.height);
    return control;
}

QGroupBox* MakeFrame(QWidget* parent, const QString& name, const QString& caption, TwipsRect at);
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, TwipsRect at);
// A field the user types into.
QLineEdit* MakeTextField(QWidget* parent, const QString& name, const QString& text, TwipsRect at);
// A field the program writes a result into; the user can select and copy, not edit.
QLineEdit* MakeOutputField(QWidget* parent, const QString& name, TwipsRect at);
// An editable drop-down box with the rates 0,1, 0,2 … upTo (mask "#0.0"), showing initialText.
// Typed text is kept as typed: no completion, no new items on Enter.
QComboBox* MakeRateBox(QWidget* parent, const QString& name, const QString& initialText, TwipsRect at,
                       double upTo = 15.0);
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, TwipsRect at);
QRadioButton* MakeOption(QWidget* parent, const QString& name, const QString& caption, TwipsRect at);
// A horizontal separator line.
QFrame* MakeLine(QWidget* parent, const QString& name, TwipsRect at);

// A fixed-pitch list box (Courier New) whose rows rowText formats when they are shown.
struct RowList {
    QListView* view = nullptr;
    RowListModel* model = nullptr;  // owned by the view
};
RowList MakeRowList(QWidget* parent, const QString& name, RowListModel::RowText rowText, TwipsRect at);

// Bold 12-point serif of the result fields.
QFont ResultFont();

// Sets the keyboard focus order of a screen to its reading order: depth first through the
// frames, siblings by their top and then their left edge, where controls whose tops differ by
// less than half the height of either count as one row. Call once all controls are placed.
void OrderTabsByReading(QWidget* screen);

}  // namespace zolt
