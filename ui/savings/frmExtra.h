#pragma once
// Plus and extra savings: a deposit whose rate rises in up to four steps as the balance
// grows, with the capital development year by year in a fixed-pitch table.

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "core/RisingRateSavings.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace zolt {
class RowListModel;

class frmExtra : public QWidget {
    Q_OBJECT
public:
    explicit frmExtra(QWidget* parent = nullptr);

private:
    void Befehl1_Click();  // "Berechnen"
    void Befehl3_Click();  // "Details"
    void Liste1_Click();
    void Befehl2_Click();  // "Beenden"

    // The inputs of a calculation; nullopt after the refusal was shown.
    std::optional<RisingRateInputs> ReadInputs();
    void ShowResult(RisingRateResult&& result);
    QString RowText(int row) const;

    QLineEdit* Text1_ = nullptr;                        // amount
    QLineEdit* Text4_ = nullptr;                        // interest payments per year
    QComboBox* Kombi5_ = nullptr;                       // base rate
    QLineEdit* Text5_ = nullptr;                        // term in years
    std::array<QLineEdit*, kRateSteps> thresholds_{};  // Text6 … Text9
    std::array<QComboBox*, kRateSteps> stepRates_{};   // Kombi1 … Kombi4
    QLineEdit* Text2_ = nullptr;                        // end amount
    QLineEdit* Text3_ = nullptr;                        // interest
    QPushButton* Befehl3_ = nullptr;                    // "Details"
    QGroupBox* Rahmen4_ = nullptr;                      // details
    RowListModel* rows_ = nullptr;                      // Liste1

    // What Liste1 shows: the years of the last calculation, then the end lines.
    std::vector<RisingRateYear> years_;
    int endLines_ = 0;
};

}  // namespace zolt
