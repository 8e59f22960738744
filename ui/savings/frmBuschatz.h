#pragma once
// Federal savings bonds: what type A (6 years, interest paid out) and type B (7 years,
// interest kept in the bond) yield for an amount and one rate per year.

#include <QWidget>
#include <array>
#include <optional>

#include "core/SavingsBonds.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zolt {

class frmBuschatz : public QWidget {
    Q_OBJECT
public:
    explicit frmBuschatz(QWidget* parent = nullptr);

private:
    void Option1_Click();
    void Option2_Click();
    void Befehl1_Click();  // "Berechnen"
    void Befehl3_Click();  // "Details"
    void Befehl5_Click();  // "zurück" of type A
    void Befehl4_Click();  // "zurück" of type B
    void Befehl2_Click();  // "Beenden"

    void ShowType(BondType type);
    BondType SelectedType() const;
    // The amount and the rates of the selected type; nullopt after the refusal was shown.
    std::optional<SavingsBondInputs> ReadInputs();
    void WriteResult(const SavingsBondResult& result);

    QGroupBox* Rahmen1_ = nullptr;  // data entry
    QLineEdit* Text1_ = nullptr;    // invested amount
    QRadioButton* Option1_ = nullptr;
    QRadioButton* Option2_ = nullptr;
    std::array<QComboBox*, kMaxBondYears> rateBoxes_{};  // Kombi1 … Kombi7
    QLabel* Bezeichnung9_ = nullptr;                      // "7. Jahr"
    QLineEdit* Text2_ = nullptr;                          // end amount
    QLineEdit* Text3_ = nullptr;                          // interest
    QLabel* Bezeichnung14_ = nullptr;                     // note on the type
    QPushButton* Befehl3_ = nullptr;                      // "Details"

    QGroupBox* Rahmen5_ = nullptr;                            // details of type A
    std::array<QLineEdit*, 6> typeAInterest_{};               // Text18 … Text23
    QGroupBox* Rahmen4_ = nullptr;                            // details of type B
    std::array<QLineEdit*, kMaxBondYears> typeBBase_{};      // Text4 … Text10
    std::array<QLineEdit*, kMaxBondYears> typeBInterest_{};  // Text11 … Text17
};

}  // namespace zolt
