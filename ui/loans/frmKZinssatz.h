#pragma once
// Loan interest rate: the nominal rate at which n equal monthly instalments repay a loan.

#include <QWidget>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace zolt {

class frmKZinssatz : public QWidget {
    Q_OBJECT
public:
    explicit frmKZinssatz(QWidget* parent = nullptr);

private:
    void Befehl2_Click();  // "Berechnung Zinssatz"
    void Befehl3_Click();  // "Zurück"

    QRadioButton* Option1_ = nullptr;  // "Anfang"
    QLineEdit* Text5_ = nullptr;       // loan amount
    QLineEdit* Text6_ = nullptr;       // monthly instalment
    QLineEdit* Text2_ = nullptr;       // term in months
    QLineEdit* Text7_ = nullptr;       // the annual rate
    QLabel* Bezeichnung7_ = nullptr;   // hint line
};

}  // namespace zolt
