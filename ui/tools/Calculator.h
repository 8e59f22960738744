#pragma once
// The desk calculator "Rechner": a four-function pocket calculator with a percent key. The
// key logic lives in core/DeskCalculator; this window has the keys, the readout and the
// keyboard, which presses the same keys as the mouse.

#include <QWidget>
#include <array>

#include "core/DeskCalculator.h"

class QLabel;
class QPushButton;

namespace zolt {

class Calculator : public QWidget {
    Q_OBJECT
public:
    explicit Calculator(QWidget* parent = nullptr);

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

    DeskCalculator calc_;
    QLabel* Readout_ = nullptr;
    std::array<QPushButton*, 10> Number_{};
    std::array<QPushButton*, 5> Operator_{};
    QPushButton* Cancel_ = nullptr;
    QPushButton* CancelEntry_ = nullptr;
    QPushButton* Decimal_ = nullptr;
    QPushButton* Percent_ = nullptr;
};

}  // namespace zolt
