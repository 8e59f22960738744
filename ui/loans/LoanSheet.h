#pragma once
// The loan sheet: monthly instalments for a range of rates and terms, and the amortization
// plan of one chosen instalment, both shown in the shared sheet grid.

#include <QString>
#include <QWidget>

#include "core/LoanEngine.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace zolt {
class ScreenSlots;
class SheetGrid;

class LoanSheet : public QWidget {
    Q_OBJECT
public:
    explicit LoanSheet(ScreenSlots& screens, QWidget* parent = nullptr);

    const LoanSheetState& State() const { return state_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    void Form_Load();
    void Form_Resize();

    void txtPurchTotl_Change();
    void txtLenMin_Change();
    void txtLenMax_Change();
    void txtDwnPay_Change();
    void comIntrMax_Click();
    void comIntrMin_Click();
    void cmdCalcPmts_Click();
    void cmdCalcAmort_Click();
    void grdPayments_Click();
    void grdPayments_DblClick();
    void mnuOptDwn_Click(int index);
    void mnuOptLen_Click(int index);
    void mnuOptInstruct_Click();
    void mnuOptCopy_Click();
    void mnuOptZ_Click();

    // The checks of a table request; false when one failed (its message was shown).
    bool CheckTableRequest();
    bool ReportDownPaymentCheck(DownPaymentCheck check);
    void Refuse(const QString& message);
    bool CellChosen() const;
    void ShowPaymentTable();
    void RunPlanRequest();
    void ShowAmortizationPlan();
    void SizeTableGrid();
    void SizePlanGrid();
    QString TermUnitWord() const;
    int PictureWidthTwips() const;

    ScreenSlots& screens_;
    LoanSheetState state_;

    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    QPushButton* cmdCalcAmort_ = nullptr;
    QPushButton* cmdCalcPmts_ = nullptr;
    QGroupBox* frmLoanLen_ = nullptr;
    QLineEdit* txtLenMax_ = nullptr;
    QLineEdit* txtLenMin_ = nullptr;
    QLabel* lblLenMax_ = nullptr;
    QLabel* lblLenMin_ = nullptr;
    QLineEdit* txtDwnPay_ = nullptr;
    SheetGrid* grdPayments_ = nullptr;
    QGroupBox* frmIntr_ = nullptr;
    QComboBox* comIntrMax_ = nullptr;
    QComboBox* comIntrMin_ = nullptr;
    QLabel* lblIntrMin_ = nullptr;
    QLabel* lblIntrMax_ = nullptr;
    QLineEdit* txtPurchTotl_ = nullptr;
    QLabel* Bezeichnung1_ = nullptr;
    QLabel* lblRate_ = nullptr;
    QLabel* frmLZAmort_ = nullptr;
    QLabel* frmKAmort_ = nullptr;
    QLabel* imgGraphic_ = nullptr;
    QLabel* lblDwnPay_ = nullptr;
    QLabel* lblPurchTotl_ = nullptr;

    QMenu* mnuOptions_ = nullptr;
    QAction* mnuOptCopy_ = nullptr;
    QAction* mnuOptInstruct_ = nullptr;
    QAction* mnuOptSep_ = nullptr;
    QMenu* mnuDwnPay_ = nullptr;
    QAction* mnuOptDwn_[2] = {nullptr, nullptr};
    QMenu* mnuLoanLen_ = nullptr;
    QAction* mnuOptLen_[2] = {nullptr, nullptr};
    QMenu* mnuOptZK_ = nullptr;
    QAction* mnuOptZ_ = nullptr;

    bool tableShown_ = false;  // a table or plan has been written since the sheet opened
};

}  // namespace zolt
