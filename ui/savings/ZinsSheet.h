#pragma once
// The savings sheet: end capitals over a range of terms and a range of rates, for eight
// interest cycles, compound or simple interest or a savings plan; a detailed plan per cell
// and a copy of any block to the clipboard.

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

#include "core/InterestEngine.h"

class QAction;
class QDateTime;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace zolt {
class RateList;
class RateRange;
class RateTermGrid;
class ScreenSlots;
class SheetGrid;

class ZinsSheet : public QMainWindow {
    Q_OBJECT
public:
    explicit ZinsSheet(ScreenSlots& screens, QWidget* parent = nullptr);
    ~ZinsSheet() override;

    // "  Sa  05.12.2026; 08:27": the text of the clock label at the given moment.
    static QString ClockText(const QDateTime& moment);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The clock runs while the sheet is shown, and shows the time at once when it appears.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();

    void Form_Load();
    void Form_Resize();
    void Zeit1_Timer();

    void txtPurchTotl_Change();
    void txtLenMin_Change();
    void txtLenMax_Change();
    void comIntrMin_Click();
    void comIntrMax_Click();

    void cmdCalcPmts_Click();
    void cmdEcalcPmts_Click();
    void cmdCalcAmort_Click();
    void grdPayments_Click();
    void grdPayments_DblClick();

    void mnuOptLen_Click(int index);
    void mnuOptCopy_Click();
    void mnuOptTag_Click();
    void mnuOptTr_Click();
    void mnuSYS_Click();
    void mnuOptInstruct_Click();
    void mnuHin_Click();
    void mnuOPtZurueck_Click();

    // Both compute buttons: checks, engine, captions and the table; simple for "einfacher Zins".
    void ComputeTable(bool simple);
    // The checks of the fields in their order; false when one of them ended the handler.
    bool CheckInputs();
    // The limits of what can be computed and held; false (after a box) when the table is refused.
    bool CheckLimits(const TableInputs& inputs);
    void SetCycleCaptionsForTable();
    void ShowDetailPlanOfCurrentCell();
    // The table and the plan (of the given rate and table column) written into the grid as
    // pages, each headed by what it is and the inputs that produced it.
    void ShowOverview();
    void ShowDetailPlan(double rate, int col);
    // The inputs of the table on screen: the amount, then termsAndRates, the cycle and the kind.
    QStringList InputLines(const QStringList& termsAndRates) const;

    ScreenSlots& screens_;

    QWidget* central_ = nullptr;
    QLabel* lblPurchTotl_ = nullptr;
    QLineEdit* txtPurchTotl_ = nullptr;
    QGroupBox* frmLoanLen_ = nullptr;
    std::array<QLabel*, 2> lblLen_{};
    QLineEdit* txtLenMax_ = nullptr;
    QLineEdit* txtLenMin_ = nullptr;
    QGroupBox* frmIntr_ = nullptr;
    std::array<QLabel*, 2> lblIntr_{};
    RateList* comIntrMax_ = nullptr;
    RateList* comIntrMin_ = nullptr;
    QPushButton* cmdCalcPmts_ = nullptr;
    QPushButton* cmdEcalcPmts_ = nullptr;
    QPushButton* cmdCalcAmort_ = nullptr;
    SheetGrid* grdPayments_ = nullptr;
    QLabel* frmBez1_ = nullptr;
    QLabel* frmZyklus_ = nullptr;
    QLabel* frmEart_ = nullptr;
    QLabel* frmZAmort_ = nullptr;
    QLabel* Bezeichnung1_ = nullptr;
    QTimer* Zeit1_ = nullptr;
    QLabel* imgGraphic_ = nullptr;  // never shown itself: the grid's corner picture and its size

    QMenu* mnuOptions_ = nullptr;
    QAction* mnuOptCopy_ = nullptr;
    QAction* mnuOptSep_ = nullptr;
    std::array<QAction*, 8> mnuOptLen_{};

    // Readings kept by the change and click handlers.
    double baseAmount_ = 0;
    double termMin_ = 0;
    double termMax_ = 0;
    std::unique_ptr<RateRange> rates_;
    InterestCycle cycle_ = InterestCycle::Yearly;  // the checked item of "Zinszyklus"

    // What the grid shows. The last table with what it was computed from, and the last plan;
    // the grid shows their numbers in place, the plan and the copy read the table.
    std::unique_ptr<RateTermGrid> rateTermGrid_;
    std::shared_ptr<const RateTermTable> table_;
    TableInputs tableInputs_;
    std::shared_ptr<const DetailPlan> plan_;
};

}  // namespace zolt
