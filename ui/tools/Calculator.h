#pragma once
// The desk calculator "Rechner": a four-function pocket calculator with a percent key. The
// key logic lives in core/DeskCalculator; this window has the keys, the readout and the
// keyboard, which presses the same keys as the mouse.

#include <QWidget>
#include <array>

#include "core/DeskCalculator.h"

class QLabel;
class QPushButton;
class QFrame;

namespace zolt {
class ScreenSlots;

class Calculator : public QWidget {
    Q_OBJECT
public:
    explicit Calculator(ScreenSlots& screens, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void Number_Click(int index);
    void Decimal_Click();
    void Operator_Click(int index);
    void Percent_Click();
    void CancelEntry_Click();
    void Cancel_Click();
    void ShowOutcome(CalcOutcome outcome);

    ScreenSlots& screens_;
    DeskCalculator calc_;
    QLabel* Readout = nullptr;
    std::array<QPushButton*, 10> Number{};
    std::array<QPushButton*, 5> Operator{};
    QPushButton* Cancel = nullptr;
    QPushButton* CancelEntry = nullptr;
    QPushButton* Decimal = nullptr;
    QPushButton* Percent = nullptr;
    QFrame* Linie1 = nullptr;
    QFrame* Linie2 = nullptr;
};

}  // namespace zolt
