#pragma once
// Annuities: the capital a perpetual annuity needs (left half) and how long a capital lasts
// under a monthly withdrawal, with its month table (right half).

#include <QStringList>
#include <QWidget>
#include <optional>

#include "core/Annuities.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zolt {
class RowListModel;
class TableActions;
struct ChartSpec;
struct ExportTable;

class frmRente : public QWidget {
    Q_OBJECT
public:
    explicit frmRente(QWidget* parent = nullptr);

private:
    void Option1_Click();  // "Ja"
    void Option2_Click();  // "Nein"
    void Kombi2_Click();
    void Kombi3_Click();
    void Befehl1_Click();  // "Berechnung Ewige Rente"
    void Befehl2_Click();  // "Berechnung ", the capital annuity
    void Befehl4_Click();  // "Details"
    void Liste1_Click();
    void Befehl3_Click();  // "Z"

    // Years, months and rest of a capital annuity, or what stands in for them.
    void ShowResults(const CapitalAnnuityResult& result);
    // Liste1 shows the month table and the closing line; inputs are what produced the table.
    void ShowTable(CapitalAnnuityResult table, QStringList inputs = {});
    // The month rows of Liste1 for the file, the paper and the chart (nothing while it has none).
    std::optional<ExportTable> MonthTable() const;
    std::optional<ChartSpec> CapitalChart() const;

    CapitalAnnuityResult annuity_;  // what Liste1 shows
    QStringList annuityInputs_;     // "label: value" of the entries behind annuity_
    RowListModel* tableModel_ = nullptr;
    TableActions* exports_ = nullptr;  // of Liste1

    QLineEdit* Text1_ = nullptr;       // wished monthly annuity
    QComboBox* Kombi2_ = nullptr;      // nominal rate
    QRadioButton* Option1_ = nullptr;  // inflation considered
    QLabel* Bezeichnung5_ = nullptr;   // labels Kombi3
    QComboBox* Kombi3_ = nullptr;      // inflation rate
    QLineEdit* Text3_ = nullptr;       // required capital
    QLineEdit* Text5_ = nullptr;       // start capital
    QComboBox* Kombi1_ = nullptr;      // nominal rate
    QLineEdit* Text6_ = nullptr;       // monthly annuity
    QLineEdit* Text7_ = nullptr;       // years
    QLineEdit* Text8_ = nullptr;       // months
    QLineEdit* Text9_ = nullptr;       // remaining amount
    QLabel* Bezeichnung7_ = nullptr;   // hint line
    QPushButton* Befehl4_ = nullptr;   // "Details"
    QGroupBox* Rahmen6_ = nullptr;     // the month table
};

}  // namespace zolt
