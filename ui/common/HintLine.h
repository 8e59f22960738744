#pragma once
// Two behaviours many screens share: the first field takes the focus whenever the screen
// becomes the active window, and a hint line that follows the mouse (and the focus) over
// the screen's controls.

#include <QObject>
#include <QString>
#include <vector>

class QLabel;
class QWidget;

namespace zolt {

// Each time `screen` becomes the active window, `field` gets the keyboard focus.
void FocusOnActivation(QWidget* screen, QWidget* field);

// The hint line of a screen. Owned by the label it writes to.
class HintLine : public QObject {
    Q_OBJECT
public:
    explicit HintLine(QLabel* line);

    // The mouse over `control` shows `text`. The move goes no further, so a frame or window
    // below that clears the line does not undo it (unless a button is held: a pressed button
    // needs its moves).
    void ShowOver(QWidget* control, const QString& text);
    // The mouse over the free part of `area` (not over one of its controls) empties the line.
    void ClearOver(QWidget* area);
    // The mouse over `control` leaves the line as it is.
    void KeepOver(QWidget* control);
    // The keyboard focus entering `control` (or the line edit of an editable box) shows `text`.
    void ShowOnFocus(QWidget* control, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Action { Show, Clear, Keep, FocusShow };
    struct Rule {
        QObject* watched;
        Action action;
        QString text;
    };
    void Watch(QWidget* control, Action action, const QString& text);

    QLabel* line_;
    std::vector<Rule> rules_;
};

}  // namespace zolt
