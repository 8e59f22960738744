#pragma once
// The colour mixer "Farbe ändern": three scroll bars mix the calendar window's background,
// applied at every movement, also while a thumb is being dragged.

#include <QWidget>

class QLabel;
class QPushButton;
class QScrollBar;

namespace zolt {
class ScreenSlots;

class frmScrollBars : public QWidget {
    Q_OBJECT
public:
    explicit frmScrollBars(ScreenSlots& screens, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void hsbRed_Change();
    void hsbGreen_Change();
    void hsbBlue_Change();
    void hsbRed_Scroll();
    void hsbGreen_Scroll();
    void hsbBlue_Scroll();
    void ApplyCalendarColour();
    void cmdClose_Click();

    ScreenSlots& screens_;
    QLabel* lblRed_ = nullptr;
    QScrollBar* hsbRed_ = nullptr;
    QLabel* lblGreen_ = nullptr;
    QScrollBar* hsbGreen_ = nullptr;
    QLabel* lblBlue_ = nullptr;
    QScrollBar* hsbBlue_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
};

}  // namespace zolt
