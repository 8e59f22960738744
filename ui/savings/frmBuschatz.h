#pragma once
// Federal savings bonds: what type A (6 years, interest paid out) and type B (7 years,
// interest kept in the bond) yield for an amount and one rate per year.

#include <QWidget>
#include <array>

#include "core/SavingsBonds.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zolt {
class ScreenSlots;

class frmBuschatz : public QWidget {
    Q_OBJECT
public:
    explicit frmBuschatz(ScreenSlots& screens, QWidget* parent = nullptr);

private:
    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void Befehl1_Click();
    void Befehl2_Click();
    void Befehl3_Click();
    void Befehl4_Click();
    void Befehl5_Click();

    void Calculate();
    BondType SelectedType() const;
    void WriteResult(const SavingsBondResult& result);

    ScreenSlots& screens_;

    QGroupBox* Rahmen1 = nullptr;  // data entry
    QLineEdit* Text1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    std::array<QLabel*, kMaxBondYears> yearLabels_{};  // Bezeichnung3 … Bezeichnung9
    std::array<QComboBox*, kMaxBondYears> rateBoxes_{};  // Kombi1 … Kombi7

    QLineEdit* Text2 = nullptr;  // end amount
    QLineEdit* Text3 = nullptr;  // interest
    QLabel* Bezeichnung14 = nullptr;  // note on the type

    QPushButton* Befehl1 = nullptr;
    QPushButton* Befehl2 = nullptr;
    QPushButton* Befehl3 = nullptr;

    QGroupBox* Rahmen5 = nullptr;  // details of type A
    std::array<QLineEdit*, 6> typeAInterest_{};  // Text18 … Text23
    QPushButton* Befehl5 = nullptr;

    QGroupBox* Rahmen4 = nullptr;  // details of type B
    std::array<QLineEdit*, kMaxBondYears> typeBBase_{};      // Text4 … Text10
    std::array<QLineEdit*, kMaxBondYears> typeBInterest_{};  // Text11 … Text17
    QPushButton* Befehl4 = nullptr;
};

}  // namespace zolt
