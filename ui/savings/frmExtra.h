#pragma once
// Plus and extra savings: a deposit whose rate rises in up to four steps as the balance
// grows, with the capital development year by year in a fixed-pitch table.

#include <QStringList>
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
class TableActions;
struct ChartSpec;
struct ExportTable;

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
    void ShowResult(RisingRateResult&& result, const RisingRateInputs& in);
    QString RowText(int row) const;
    // The year rows of Liste1 for the file, the paper and the chart (nothing while it has none).
    std::optional<ExportTable> YearTable() const;
    std::optional<ChartSpec> BalanceChart() const;

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
    TableActions* exports_ = nullptr;                   // of Liste1

    // What Liste1 shows: the years of the last calculation, then the end lines.
    std::vector<RisingRateYear> years_;
    QStringList yearsInputs_;  // "label: value" of the entries behind years_
    int endLines_ = 0;
};

}  // namespace zolt
