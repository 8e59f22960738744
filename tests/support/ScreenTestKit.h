#pragma once
// Helpers for screen tests: message boxes captured, controls found by name and used as a user
// does, the screens of the program's screen table, what a user can use on a screen.

#include <QtTest>
#include <QtWidgets>
#include <memory>
#include <type_traits>
#include <vector>

#include "ui/common/MessageBoxes.h"
#include "ui/common/ScreenSlots.h"

Q_DECLARE_METATYPE(zolt::ScreenId)

namespace zolt::testing {

// While alive, every ShowInputError/ShowNote/AskYesNo is recorded here instead of opening a
// modal box, and the file dialog and print preview of a table's export are cancelled without
// showing (destroy one before making the next).
class BoxRecorder {
public:
    BoxRecorder();
    ~BoxRecorder();
    BoxRecorder(const BoxRecorder&) = delete;
    const std::vector<ShownBox>& boxes() const { return boxes_; }
    void clear() { boxes_.clear(); }
    // The boxes shown since the last Take, as "! title: text" for an exclamation icon, "i ..."
    // for an information icon and "? ..." for a question; then forgotten.
    QStringList Take();

private:
    std::vector<ShownBox> boxes_;
};

// The control called name below root (or root itself); fails the running test when missing.
template <typename T = QWidget>
T* Find(QWidget* root, const QString& name) {
    if (auto* self = qobject_cast<T*>(root); self && root->objectName() == name) return self;
    T* found = root->findChild<T*>(name);
    if (!found) QTest::qFail(qPrintable(QStringLiteral("no control named ") + name), __FILE__, __LINE__);
    return found;
}
QStringList Texts(QWidget* root, const QStringList& names);  // what the named controls show
void TypeInto(QWidget* field, const QString& text);          // as a user replaces a field's text
void Click(QWidget* button);                                 // with the left mouse button
// Types texts[i] into the field names[i] (an empty text where texts ends), clicks the button;
// what the outputs then show.
QStringList Press(QWidget* screen, const QStringList& names, const QStringList& texts, const QString& button,
                  const QStringList& outputs = {});
QStringList ListRows(QWidget* list);  // the first column of a list or table view
// The hint line's text after a move of the mouse over the widget's centre, or a corner of its free area.
QString HintAfterMove(QWidget* hint, QWidget* widget, bool corner = false);
// Another window comes to the front, then the screen again: the focus must be in field.
bool FocusReturnsTo(QWidget* screen, QWidget* field);

// The actions of a view or menu in their order, "+" when enabled, "-" when not.
QStringList ExportStates(const QWidget* owner);
// The fields of the view's table saved as CSV, when the name proposed was stem and today's date.
QList<QStringList> SavedCsv(QWidget* view, const QString& stem);
// The fields of a file of the cells shown(row, col), headers in row 0: amounts and rates
// without thousands points, "€" or "%".
QList<QStringList> AsCsv(int rows, int cols, const std::function<QString(int row, int col)>& shown);

// The rows of a data-driven refusal test: the texts typed and the message of the box.
void RefusalRows(std::initializer_list<std::tuple<const char*, QStringList, QString>> rows);

// Slots holding every screen of the program's table; ending the program is only counted.
struct ProgramSlots {
    ProgramSlots();
    ScreenSlots screens;
    int quits = 0;
};
std::vector<ScreenId> EveryScreen();  // in the order of the end sequence

// Part of a composite control (a combo box's line edit, a view's scroll bars, a menu's items).
bool PartOfComposite(const QWidget* widget, const QWidget* screen);
// What a user can type into (line edits, editable combo boxes), press (buttons) or choose
// (menu-bar items) on a screen, by object name.
struct ScreenControls {
    QStringList fields, buttons, actions;
};
ScreenControls ControlsOf(QWidget* screen);
QAction* MenuItem(QWidget* screen, const QString& name);  // nullptr when there is none

// The screen under test with slots of its own and a box recorder, made afresh for every test
// function: call Open() from init() and Close() from cleanup().
template <typename Screen>
class ScreenFixture {
protected:
    bool Open() {
        screens_ = std::make_unique<ScreenSlots>();
        boxes_ = std::make_unique<BoxRecorder>();
        if constexpr (std::is_constructible_v<Screen, ScreenSlots&>) screen_ = std::make_unique<Screen>(*screens_);
        else screen_ = std::make_unique<Screen>();
        screen_->show();
        return QTest::qWaitForWindowExposed(screen_.get());
    }
    void Close() {
        screen_.reset();
        boxes_.reset();
        screens_.reset();
    }
    template <typename T = QWidget>
    T* Get(const QString& name) { return Find<T>(screen_.get(), name); }
    QString Field(const QString& name) { return Texts(screen_.get(), {name}).first(); }

    std::unique_ptr<ScreenSlots> screens_;
    std::unique_ptr<BoxRecorder> boxes_;
    std::unique_ptr<Screen> screen_;
};

}  // namespace zolt::testing
