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
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace zolt {
class RowListModel;
class ScreenSlots;

class frmExtra : public QWidget {
    Q_OBJECT
public:
    explicit frmExtra(ScreenSlots& screens, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Befehl1_Click();
    void Befehl2_Click();
    void Befehl3_Click();
    void Liste1_Click();
    void Kombi1_GotFocus();
    void KombiStep_GotFocus();  // Kombi2 … Kombi4
    void Text4_MouseMove();
    void Text6_MouseMove();
    void TextStep_MouseMove();  // Text7 … Text9
    void Rahmen1_MouseMove();

    // Reads and checks every field; a message box and nullopt when one is refused.
    std::optional<RisingRateInputs> ReadInputs();
    void ShowResult(RisingRateResult&& result);
    void AddEndLine();
    QString RowText(int row) const;

    ScreenSlots& screens_;

    QGroupBox* Rahmen1 = nullptr;
    QLineEdit* Text1 = nullptr;  // amount
    QLineEdit* Text4 = nullptr;  // interest payments per year
    QComboBox* Kombi5 = nullptr;  // base rate
    QLineEdit* Text5 = nullptr;  // term in years
    std::array<QLineEdit*, kRateSteps> thresholds_{};  // Text6 … Text9
    std::array<QComboBox*, kRateSteps> stepRates_{};   // Kombi1 … Kombi4

    QLineEdit* Text2 = nullptr;  // end amount
    QLineEdit* Text3 = nullptr;  // interest
    QLabel* Bezeichnung14 = nullptr;  // hint line

    QPushButton* Befehl1 = nullptr;
    QPushButton* Befehl2 = nullptr;
    QPushButton* Befehl3 = nullptr;

    QGroupBox* Rahmen4 = nullptr;  // details
    QListView* Liste1 = nullptr;
    RowListModel* rows_ = nullptr;

    // What Liste1 shows: the years of the last calculation, then the end lines.
    std::vector<RisingRateYear> years_;
    int endLines_ = 0;
};

}  // namespace zolt
