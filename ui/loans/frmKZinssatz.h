#pragma once
// Loan interest rate: the nominal rate at which n equal monthly instalments repay a loan.

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zolt {
class ScreenSlots;

class frmKZinssatz : public QWidget {
    Q_OBJECT
public:
    explicit frmKZinssatz(ScreenSlots& screens, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Befehl2_Click();
    void Befehl3_Click();

    ScreenSlots& screens_;
    QPushButton* Befehl3_ = nullptr;
    QPushButton* Befehl2_ = nullptr;
    QGroupBox* Rahmen5_ = nullptr;
    QLineEdit* Text7_ = nullptr;
    QGroupBox* Rahmen4_ = nullptr;
    QRadioButton* Option2_ = nullptr;
    QRadioButton* Option1_ = nullptr;
    QLineEdit* Text5_ = nullptr;
    QLineEdit* Text6_ = nullptr;
    QLineEdit* Text2_ = nullptr;
    QGroupBox* Rahmen3_ = nullptr;
    QLabel* Bezeichnung7_ = nullptr;
};

}  // namespace zolt
