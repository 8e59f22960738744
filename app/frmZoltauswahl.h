#pragma once
// The selection menu: one button per calculator, the status line, the end of the program.

#include <QWidget>

namespace zolt {
class ScreenSlots;

class frmZoltauswahl : public QWidget {
    Q_OBJECT
public:
    explicit frmZoltauswahl(ScreenSlots& screens, QWidget* parent = nullptr);

private:
    ScreenSlots& screens_;
};

}  // namespace zolt
