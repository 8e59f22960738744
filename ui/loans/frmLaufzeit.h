#pragma once
// Loan term: how many monthly instalments repay a loan at a given nominal rate.

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

namespace zolt {

class frmLaufzeit : public QWidget {
    Q_OBJECT
public:
    explicit frmLaufzeit(QWidget* parent = nullptr);

private:
    void Befehl2_Click();  // "Berechnung Laufzeit"
    void Befehl3_Click();  // "Zurück"

    QLineEdit* Text5_ = nullptr;      // loan amount
    QComboBox* Kombi1_ = nullptr;     // nominal rate
    QLineEdit* Text6_ = nullptr;      // monthly instalment
    QLineEdit* Text7_ = nullptr;      // whole years
    QLineEdit* Text8_ = nullptr;      // remaining months, rounded
    QLineEdit* Text1_ = nullptr;      // total months
    QLabel* Bezeichnung7_ = nullptr;  // hint line
};

}  // namespace zolt
