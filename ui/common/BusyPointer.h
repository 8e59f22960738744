#pragma once
// The hourglass over one screen for the length of a scope: set on construction, the screen's
// own pointer back on every way out of the scope. Scope it to the computation alone, so that
// a message box shown afterwards gets the normal pointer.

#include <QCursor>
#include <QWidget>

namespace zolt {

class BusyPointer {
public:
    explicit BusyPointer(QWidget* screen)
        : screen_(screen), hadCursor_(screen->testAttribute(Qt::WA_SetCursor)), previous_(screen->cursor()) {
        screen_->setCursor(Qt::WaitCursor);
    }
    ~BusyPointer() {
        if (hadCursor_) screen_->setCursor(previous_);
        else screen_->unsetCursor();
    }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    QWidget* screen_;
    bool hadCursor_;
    QCursor previous_;
};

}  // namespace zolt
