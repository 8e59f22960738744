#pragma once
// Mortgage (Annuitätendarlehen): the monthly instalment, the debt left when the fixed-rate
// period ends, the time until the loan is repaid, the effective rate, and the plan by month
// or by loan year.

#include <QAbstractTableModel>
#include <QFont>
#include <QStringList>
#include <QWidget>
#include <optional>

#include "core/AnnuityLoan.h"
#include "ui/common/TableExport.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zolt {

// The plan as a table: a row per month (or per loan year), formatted when it is shown.
// The row that ends the fixed-rate period is bold.
class AnnuityPlanModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Period, Instalment, Interest, Principal, Extra, Debt, ColumnCount };

    explicit AnnuityPlanModel(QFont markFont, QObject* parent = nullptr);

    void SetPlan(AnnuityLoanResult plan);
    void SetYearly(bool yearly);
    bool Yearly() const { return yearly_; }
    // The row that ends the fixed-rate period; -1 when the loan is repaid before.
    int MarkedRow() const { return yearly_ ? plan_.fixedEndYear : plan_.fixedEndMonth; }
    // A cell for a file or a chart: the period as its text, the amounts in euros.
    ExportCell Value(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const std::vector<AnnuityPlanRow>& Rows() const { return yearly_ ? plan_.years : plan_.months; }
    QString CellText(int row, int column) const;
    std::int64_t Cents(int row, int column) const;

    AnnuityLoanResult plan_;
    bool yearly_ = false;
    QFont markFont_;
};

class frmBaufinanzierung : public QWidget {
    Q_OBJECT
public:
    explicit frmBaufinanzierung(QWidget* parent = nullptr);

    // Fills the loan amount and the rate (percent per year), e.g. from the loan sheet.
    void Prefill(double amount, double ratePercent);

private:
    void Form_Load();
    void optTilgung_Toggled();
    void chkJahresuebersicht_Click();
    void cmdBerechnen_Click();
    void cmdZurueck_Click();
    void Refuse(const QString& message, QWidget* field);
    // The plan shown, by month or by year, for a file or paper, and its chart: the debt over
    // time, the end of the fixed-rate period marked. Nothing before the first plan.
    std::optional<ExportTable> PlanTable() const;
    std::optional<ChartSpec> PlanChart() const;
    // The entries that produced the plan, as lines above it on paper.
    static QStringList InputLines(const AnnuityLoanInputs& in);

    QLineEdit* txtBetrag_ = nullptr;
    QLineEdit* txtSollzins_ = nullptr;
    QRadioButton* optTilgung_ = nullptr;
    QLineEdit* txtTilgung_ = nullptr;
    QLineEdit* txtRate_ = nullptr;
    QLineEdit* txtZinsbindung_ = nullptr;
    QLineEdit* txtSondertilgung_ = nullptr;
    QLineEdit* txtEntgelt_ = nullptr;
    QLineEdit* txtBeginn_ = nullptr;

    QLineEdit* txtMonatsrate_ = nullptr;
    QLineEdit* txtRestschuld_ = nullptr;
    QLineEdit* txtZinsenBindung_ = nullptr;
    QLineEdit* txtLaufzeit_ = nullptr;
    QLineEdit* txtZinsenGesamt_ = nullptr;
    QLineEdit* txtSchlussrate_ = nullptr;
    QLineEdit* txtEffektivzins_ = nullptr;

    QCheckBox* chkJahresuebersicht_ = nullptr;
    AnnuityPlanModel* plan_ = nullptr;  // owned by grdPlan
    TableActions* exports_ = nullptr;   // owned by grdPlan
    QStringList inputLines_;            // of the plan shown
    QLabel* lblHinweis_ = nullptr;
};

}  // namespace zolt
