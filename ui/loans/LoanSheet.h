#pragma once
// The loan sheet: monthly instalments for a range of rates and terms, and the amortization
// plan of one chosen instalment, both shown in the shared sheet grid.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>

#include "core/LoanEngine.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace zolt {
class RateList;
class RateRange;
class RateTermGrid;
class ScreenSlots;
class SheetGrid;

class LoanSheet : public QWidget {
    Q_OBJECT
public:
    explicit LoanSheet(ScreenSlots& screens, QWidget* parent = nullptr);
    ~LoanSheet() override;

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
    void mnuOptBaufi_Click();

    // The checks of a table request; false when one failed (its message was shown).
    bool CheckTableRequest();
    bool ReportDownPaymentCheck(DownPaymentCheck check);
    void Refuse(const QString& message);
    void ShowPaymentTable();
    void RunPlanRequest();
    void ShowAmortizationPlan();

    ScreenSlots& screens_;

    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    QPushButton* cmdCalcAmort_ = nullptr;
    QPushButton* cmdCalcPmts_ = nullptr;
    QGroupBox* frmLoanLen_ = nullptr;
    QLineEdit* txtLenMax_ = nullptr;
    QLineEdit* txtLenMin_ = nullptr;
    std::array<QLabel*, 2> lblLen_{};
    QLineEdit* txtDwnPay_ = nullptr;
    SheetGrid* grdPayments_ = nullptr;
    QGroupBox* frmIntr_ = nullptr;
    RateList* comIntrMax_ = nullptr;
    RateList* comIntrMin_ = nullptr;
    std::array<QLabel*, 2> lblIntr_{};
    QLineEdit* txtPurchTotl_ = nullptr;
    QLabel* Bezeichnung1_ = nullptr;
    QLabel* lblRate_ = nullptr;
    QLabel* frmLZAmort_ = nullptr;
    QLabel* frmKAmort_ = nullptr;
    QLabel* imgGraphic_ = nullptr;  // never shown itself: the grid's corner picture and its size
    QLabel* lblDwnPay_ = nullptr;
    QLabel* lblPurchTotl_ = nullptr;

    QMenu* mnuOptions_ = nullptr;
    QAction* mnuOptCopy_ = nullptr;
    QAction* mnuOptInstruct_ = nullptr;
    std::array<QAction*, 2> mnuOptDwn_{};
    std::array<QAction*, 2> mnuOptLen_{};

    // Readings kept by the change and click handlers, and the modes of the menus.
    double price_ = 0.0;
    double downPayment_ = 0.0;
    double termMin_ = 0.0;
    double termMax_ = 0.0;
    std::unique_ptr<RateRange> rates_;
    LoanDownPaymentMode downPaymentMode_ = LoanDownPaymentMode::Percent;
    LoanTermUnit termUnit_ = LoanTermUnit::Years;

    // What the grid shows. The last table and plan; the grid shows their numbers in place,
    // and a plan reads the table on screen.
    std::unique_ptr<RateTermGrid> rateTermGrid_;
    std::shared_ptr<const LoanPaymentTable> table_;
    std::shared_ptr<const LoanPlan> plan_;
    // The price, the down payment and the sum lent of the table on screen, as lines of the
    // inputs of its file or paper (and of its plans').
    QStringList loanLines_;
};

}  // namespace zolt
