#include "ui/loans/LoanSheet.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "core/NumberRules.h"
#include "ui/common/BusyPointer.h"
#include "ui/common/FormControls.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/QtText.h"
#include "ui/common/RateTermGrid.h"
#include "ui/common/ScreenSlots.h"
#include "ui/common/SheetGrid.h"
#include "ui/loans/frmBaufinanzierung.h"

namespace zolt {

namespace {

const QString kErrorTitle = QStringLiteral("Kreditprogramm-Fehler");

// The window is 13200 × 6540 twips inside the menu bar; the grid takes everything right of
// the 2940 twips of input controls. At this width each of the plan's four columns is wide
// enough for its header ("Verbleibender Kreditbetrag").
constexpr int kClientWidth = 13200;
constexpr int kClientHeight = 6540;
constexpr int kControlsWidth = 2940;
constexpr int kGridLeft = 2880;
constexpr int kGridTop = 420;

double Leading(const QLineEdit* field) { return LeadingNumber(ToStd(field->text())); }

QString Money(double amount) { return ToQ(FormatNumber(amount, "Currency")); }

// The plan's chart: the debt left as a line over the month's interest and principal stacked
// (together the instalment). The plan as a file has it starts with the month's column.
constexpr int kMonthColumn = 0;
constexpr int PlanColumn(LoanPlan::Column column) { return 1 + column; }
const ChartSpec kPlanChart{QStringLiteral("Tilgungsplan"),
                           QStringLiteral("Monat"),
                           QStringLiteral("Restschuld in \u20AC"),
                           QStringLiteral("Zinsen und Tilgung je Monat in \u20AC"),
                           kMonthColumn,
                           {{QStringLiteral("Restschuld"), ChartSeries::Kind::Line, PlanColumn(LoanPlan::kBalance)},
                            {QStringLiteral("Zinsen"), ChartSeries::Kind::Stacked, PlanColumn(LoanPlan::kInterest)},
                            {QStringLiteral("Tilgung"), ChartSeries::Kind::Stacked, PlanColumn(LoanPlan::kPrincipal)}},
                           std::nullopt,
                           {}};

// The small picture of the grid's top-left cell: a stack of coins. Its height is the height
// of the header row, which holds three lines (a break, the term, the unit); its width is the
// width of the rate column, which must hold "25,0%".
QPixmap CoinPicture() {
    QPixmap picture(48, 48);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(128, 96, 0));
    painter.setBrush(QColor(230, 190, 40));
    for (int coin = 0; coin < 5; ++coin) painter.drawEllipse(QRectF(11, 33 - coin * 6, 26, 10));
    return picture;
}

}  // namespace

LoanSheet::LoanSheet(ScreenSlots& screens, QWidget* parent) : QWidget(parent), screens_(screens) {
    setObjectName(QStringLiteral("LoanSheet"));
    setWindowTitle(QStringLiteral("Berechnung der Kredit-Ratenhöhe"));
    setFont(DialogFont());
    CreateControls();
    CreateMenus();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(client_);
    resize(Px(kClientWidth), Px(kClientHeight) + menuBar_->sizeHint().height());
    Form_Load();
}

LoanSheet::~LoanSheet() = default;

void LoanSheet::CreateControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("LoanSheetClient"));

    lblPurchTotl_ = MakeLabel(client_, QStringLiteral("lblPurchTotl"), QStringLiteral("Kredit"), {120, 120, 2640, 240});
    txtPurchTotl_ = MakeTextField(client_, QStringLiteral("txtPurchTotl"), QString(), {120, 360, 2640, 315});
    lblDwnPay_ = MakeLabel(client_, QStringLiteral("lblDwnPay"), QStringLiteral("Anzahlung in Prozent"), {120, 780, 2640, 240});
    txtDwnPay_ = MakeTextField(client_, QStringLiteral("txtDwnPay"), QString(), {120, 1020, 2640, 315});

    frmLoanLen_ = MakeFrame(client_, QStringLiteral("frmLoanLen"), QStringLiteral("Laufzeit in Jahren"), {120, 1440, 2640, 1140});
    lblLen_[0] = MakeLabel(frmLoanLen_, ArrayName(QStringLiteral("lblLen"), 0), QStringLiteral("Maximum"), {120, 330, 1200, 240});
    txtLenMax_ = MakeTextField(frmLoanLen_, QStringLiteral("txtLenMax"), QString(), {1320, 300, 1200, 315});
    lblLen_[1] = MakeLabel(frmLoanLen_, ArrayName(QStringLiteral("lblLen"), 1), QStringLiteral("Minimum"), {120, 750, 1200, 240});
    txtLenMin_ = MakeTextField(frmLoanLen_, QStringLiteral("txtLenMin"), QString(), {1320, 720, 1200, 315});

    frmIntr_ = MakeFrame(client_, QStringLiteral("frmIntr"), QStringLiteral("Zinssatz"), {120, 2700, 2640, 1140});
    lblIntr_[0] = MakeLabel(frmIntr_, ArrayName(QStringLiteral("lblIntr"), 0), QStringLiteral("Minimum %"), {120, 330, 1200, 240});
    lblIntr_[1] = MakeLabel(frmIntr_, ArrayName(QStringLiteral("lblIntr"), 1), QStringLiteral("Maximum %"), {120, 750, 1200, 240});
    comIntrMin_ = new RateList(frmIntr_, QStringLiteral("comIntrMin"), {1320, 300, 1200, 315}, 25, RateList::Kind::DropDown);
    comIntrMax_ = new RateList(frmIntr_, QStringLiteral("comIntrMax"), {1320, 720, 1200, 315}, 25, RateList::Kind::DropDown);

    cmdCalcPmts_ = MakeButton(client_, QStringLiteral("cmdCalcPmts"), QStringLiteral("Raten anzeigen"), {120, 4020, 2640, 420});
    cmdCalcAmort_ = MakeButton(client_, QStringLiteral("cmdCalcAmort"), QStringLiteral("Tilgungsplan anzeigen"), {120, 4560, 2640, 420});
    cmdCalcAmort_->setEnabled(false);

    Bezeichnung1_ = MakeLabel(client_, QStringLiteral("Bezeichnung1"),
                              QStringLiteral("Markieren Sie eine Rate um den Tilgungsplan anzuzeigen."),
                              {120, 5160, 2640, 720});
    Bezeichnung1_->setStyleSheet(QStringLiteral("color: #ff0000;"));
    Bezeichnung1_->setWordWrap(true);
    Bezeichnung1_->hide();

    frmKAmort_ = MakeLabel(client_, QStringLiteral("frmKAmort"), QString(), {kGridLeft, 90, 3600, 270});
    frmLZAmort_ = MakeLabel(client_, QStringLiteral("frmLZAmort"), QString(), {kGridLeft + 3660, 90, 1500, 270});
    lblRate_ = MakeLabel(client_, QStringLiteral("lblRate"), QString(), {kGridLeft + 5220, 90, 1800, 270});

    imgGraphic_ = new QLabel(client_);
    imgGraphic_->setObjectName(QStringLiteral("imgGraphic"));
    imgGraphic_->setPixmap(CoinPicture());
    imgGraphic_->resize(imgGraphic_->pixmap().size());
    imgGraphic_->hide();  // lends its picture and size to the grid's top-left cell

    grdPayments_ = new SheetGrid(client_);
    grdPayments_->setObjectName(QStringLiteral("grdPayments"));
    PlaceTwips(grdPayments_, kGridLeft, kGridTop, kClientWidth - kControlsWidth, kClientHeight - kGridTop - 120);
    connect(grdPayments_, &SheetGrid::cellChosen, this, [this] { grdPayments_Click(); });
    connect(grdPayments_, &SheetGrid::cellDoubleClicked, this, [this] { grdPayments_DblClick(); });

    connect(txtPurchTotl_, &QLineEdit::textChanged, this, [this] { txtPurchTotl_Change(); });
    connect(txtLenMin_, &QLineEdit::textChanged, this, [this] { txtLenMin_Change(); });
    connect(txtLenMax_, &QLineEdit::textChanged, this, [this] { txtLenMax_Change(); });
    connect(txtDwnPay_, &QLineEdit::textChanged, this, [this] { txtDwnPay_Change(); });
    connect(cmdCalcPmts_, &QPushButton::clicked, this, [this] { cmdCalcPmts_Click(); });
    connect(cmdCalcAmort_, &QPushButton::clicked, this, [this] { cmdCalcAmort_Click(); });
    connect(comIntrMax_, &RateList::chosen, this, [this] { comIntrMax_Click(); });
    connect(comIntrMin_, &RateList::chosen, this, [this] { comIntrMin_Click(); });
    // Tab follows the reading order: the price and the grid beside it, then down the left.
    SetTabOrder({txtPurchTotl_, grdPayments_, txtDwnPay_, txtLenMax_, txtLenMin_, comIntrMin_, comIntrMax_,
                 cmdCalcPmts_, cmdCalcAmort_});
}

void LoanSheet::CreateMenus() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("LoanSheetMenu"));
    const auto addMenu = [this](const QString& name, const QString& title) {
        QMenu* menu = menuBar_->addMenu(title);
        menu->setObjectName(name);
        // The separator that ends a menu is drawn, not dropped as a trailing one.
        menu->setSeparatorsCollapsible(false);
        return menu;
    };
    const auto addItem = [this](QMenu* menu, const QString& name, const QString& text, auto handler) {
        QAction* action = menu->addAction(text, this, handler);
        action->setObjectName(name);
        return action;
    };

    mnuOptions_ = addMenu(QStringLiteral("mnuOptions"), QStringLiteral("&Optionen"));
    mnuOptCopy_ = addItem(mnuOptions_, QStringLiteral("mnuOptCopy"), QStringLiteral("&Kopieren"), [this] { mnuOptCopy_Click(); });
    mnuOptCopy_->setEnabled(false);
    // The file, print and chart items follow "Kopieren" (see Form_Load).
    mnuOptInstruct_ = addItem(mnuOptions_, QStringLiteral("mnuOptInstruct"), QStringLiteral("&Instruktionen..."),
                              [this] { mnuOptInstruct_Click(); });
    addItem(mnuOptions_, QStringLiteral("mnuOptBaufi"), QStringLiteral("&Baufinanzierung…"), [this] { mnuOptBaufi_Click(); });
    mnuOptions_->addSeparator()->setObjectName(QStringLiteral("mnuOptSep"));

    QMenu* downPayment = addMenu(QStringLiteral("mnuDwnPay"), QStringLiteral("&Anzahlung"));
    const std::array<QString, 2> downCaptions{QStringLiteral("&Prozent Anzahlung"), QStringLiteral("&Anzahlungssumme")};
    QMenu* term = addMenu(QStringLiteral("mnuLoanLen"), QStringLiteral("&Laufzeit"));
    const std::array<QString, 2> termCaptions{QStringLiteral("&Jahre"), QStringLiteral("&Monate")};
    for (int index = 0; index < 2; ++index) {
        const auto at = static_cast<std::size_t>(index);
        mnuOptDwn_[at] = addItem(downPayment, ArrayName(QStringLiteral("mnuOptDwn"), index), downCaptions[at],
                                 [this, index] { mnuOptDwn_Click(index); });
        mnuOptLen_[at] = addItem(term, ArrayName(QStringLiteral("mnuOptLen"), index), termCaptions[at],
                                 [this, index] { mnuOptLen_Click(index); });
        mnuOptDwn_[at]->setCheckable(true);
        mnuOptLen_[at]->setCheckable(true);
    }
    mnuOptDwn_[0]->setChecked(true);
    mnuOptLen_[0]->setChecked(true);

    QMenu* back = addMenu(QStringLiteral("mnuOptZK"), QStringLiteral("&Zurück"));
    addItem(back, QStringLiteral("mnuOptZ"), QStringLiteral("&zurück zum Auswahlmenü"), [this] { mnuOptZ_Click(); });
}

void LoanSheet::Form_Load() {
    downPayment_ = 0.0;
    CenterOnDesktop(this);
    rates_ = std::make_unique<RateRange>(this, kErrorTitle, comIntrMax_, comIntrMin_);
    rateTermGrid_ = std::make_unique<RateTermGrid>(*grdPayments_, imgGraphic_->pixmap());
    rateTermGrid_->AttachExports(kErrorTitle, windowTitle(), mnuOptions_, mnuOptInstruct_,
                                 [](const PlanPage&) { return kPlanChart; });
}

void LoanSheet::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void LoanSheet::Form_Resize() {
    if (isMinimized() || !rateTermGrid_) return;
    const int width = std::max(this->width() - Px(kControlsWidth), 0);
    grdPayments_->SetWidthTwips(static_cast<int>(Twips(width)));
    rateTermGrid_->LayOut();
}

void LoanSheet::txtPurchTotl_Change() { price_ = Leading(txtPurchTotl_); }
void LoanSheet::txtLenMin_Change() { termMin_ = Leading(txtLenMin_); }
void LoanSheet::txtLenMax_Change() { termMax_ = Leading(txtLenMax_); }

void LoanSheet::txtDwnPay_Change() {
    downPayment_ = Leading(txtDwnPay_);
    ReportDownPaymentCheck(CheckDownPayment(price_, downPayment_, downPaymentMode_));
}
bool LoanSheet::ReportDownPaymentCheck(DownPaymentCheck check) {
    QString message;
    switch (check) {
        case DownPaymentCheck::Ok: return true;
        case DownPaymentCheck::AbovePercentLimit:
            message = QStringLiteral("Die Anzahlung darf 99% des Preises nicht überschreiten.");
            break;
        case DownPaymentCheck::AbovePrice:
            message = QStringLiteral("Die Anzahlung kann nicht größer als der Preis sein.");
            break;
        case DownPaymentCheck::Negative: message = QStringLiteral("Die Anzahlung muß Null oder mehr betragen."); break;
    }
    ShowInputError(this, message, kErrorTitle);
    txtDwnPay_->clear();  // reads a down payment of 0 again
    txtDwnPay_->setFocus();
    return false;
}

void LoanSheet::comIntrMax_Click() { rates_->MaxChosen(); }
void LoanSheet::comIntrMin_Click() { rates_->MinChosen(); }

void LoanSheet::Refuse(const QString& message) { ShowInputError(this, message, kErrorTitle); }

bool LoanSheet::CheckTableRequest() {
    const auto refuseTermOrder = [this] {
        Refuse(QStringLiteral("Die maximale Laufzeit muß größer als die minimale Laufzeit sein."));
        txtLenMax_->clear();
        txtLenMax_->setFocus();
        return false;
    };
    const QString minTermMessage = QStringLiteral("Die minimale Laufzeit muß einen Monat oder ein Jahr betragen.");

    // A price beyond any real purchase is refused like a missing one: it would only produce
    // sums too large to show.
    if (!(price_ > 0.0 && price_ <= kMaxLoanPrice)) {
        Refuse(QStringLiteral("Geben Sie einen gültigen Preis ein."));
        txtPurchTotl_->clear();
        txtPurchTotl_->setFocus();
        return false;
    }
    if (txtLenMax_->text().isEmpty()) {
        Refuse(QStringLiteral("Geben Sie ein maximale Laufzeit für den Kredit ein."));
        txtLenMax_->setFocus();
        return false;
    }
    if (termMax_ < termMin_) return refuseTermOrder();
    if (txtLenMin_->text().isEmpty()) {
        Refuse(minTermMessage);
        txtLenMin_->setText(QStringLiteral("1"));  // and the request goes on
    }
    if (rates_->Max() < rates_->Min()) {
        Refuse(QStringLiteral("Der maximale Zinssatz muß größer sein als der minimale Zinssatz."));
        comIntrMax_->setFocus();
        return false;
    }
    if (rates_->Max() < 1.0) {
        Refuse(QStringLiteral("Geben Sie einen maximalen Zinssatz ein, der größer als Null ist."));
        comIntrMax_->setFocus();
        return false;
    }

    // Then what the engine cannot take: terms that give no instalment (none at all, or a
    // division by zero), tables too large to show, and a down payment that became invalid
    // through a later change of the price or of its mode (it would finance a negative sum).
    // A fractional minimum is a term like any other: 0,5 years are 6 months.
    if (!(termMin_ > 0.0)) {
        Refuse(minTermMessage);
        txtLenMin_->setFocus();
        return false;
    }
    if (termMax_ < termMin_) return refuseTermOrder();
    if (!(TermInMonths(termMax_, termUnit_) <= kMaxLoanTermMonths)) {
        Refuse(QStringLiteral("Die maximale Laufzeit darf 100 Jahre (1200 Monate) nicht überschreiten."));
        txtLenMax_->setFocus();
        return false;
    }
    if (!ReportDownPaymentCheck(CheckDownPayment(price_, downPayment_, downPaymentMode_))) return false;

    // A table that would start at 0 % starts higher (TableRateMin); the minimum list then
    // follows the maximum.
    const double tableRateMin = TableRateMin(rates_->Min());
    if (tableRateMin != rates_->Min()) rates_->MinFollowsMax(tableRateMin);
    return true;
}

void LoanSheet::cmdCalcPmts_Click() {
    lblRate_->hide();
    cmdCalcAmort_->setEnabled(false);
    if (!CheckTableRequest()) return;

    const LoanTableInputs inputs{LoanAmount(price_, downPayment_, downPaymentMode_), termMin_, termMax_, rates_->Min(),
                                 rates_->Max(), termUnit_};
    LoanResult<LoanPaymentTable> result;
    {
        const BusyPointer busy(this);
        frmKAmort_->setText(QStringLiteral(" "));
        frmLZAmort_->setText(QStringLiteral(" "));
        result = BuildPaymentTable(inputs);
        if (result.error == LoanError::None) {
            table_ = std::make_shared<const LoanPaymentTable>(std::move(result.value));
            ShowPaymentTable();
        }
    }
    if (result.error != LoanError::None) {
        Refuse(QStringLiteral("Mit diesen Eingaben lassen sich keine Raten berechnen."));
        return;
    }
    Bezeichnung1_->show();
}

void LoanSheet::cmdCalcAmort_Click() {
    Bezeichnung1_->hide();
    RunPlanRequest();
}

void LoanSheet::mnuOptDwn_Click(int index) {
    // The number stays as typed; it is read in the new mode at the next table request.
    downPaymentMode_ = index == 0 ? LoanDownPaymentMode::Percent : LoanDownPaymentMode::Amount;
    mnuOptDwn_[0]->setChecked(index == 0);
    mnuOptDwn_[1]->setChecked(index == 1);
    lblDwnPay_->setText(index == 0 ? QStringLiteral("Anzahlung in Prozent") : QStringLiteral("Anzahlungssumme in DM"));
}

void LoanSheet::mnuOptLen_Click(int index) {
    termUnit_ = index == 0 ? LoanTermUnit::Years : LoanTermUnit::Months;
    mnuOptLen_[0]->setChecked(index == 0);
    mnuOptLen_[1]->setChecked(index == 1);
    frmLoanLen_->setTitle(index == 0 ? QStringLiteral("Laufzeit in Jahren") : QStringLiteral("Laufzeit in Monaten"));
}

void LoanSheet::mnuOptInstruct_Click() {
    ShowNote(this,
             Paragraphs({QStringLiteral("Geben Sie den Preis, die Anzahlung, die Laufzeit des Kredits und den Zinssatz "
                                        "ein.  Klicken Sie auf die Schaltfläche Raten, um die monatlichen Raten rechts "
                                        "im Gitternetz anzuzeigen."),
                         QStringLiteral("Wählen Sie eine monatliche Rate aus und klicken Sie auf die Schaltfläche "
                                        "Tilgungsplan, um den Tilgungsplan für den gewählten Zinssatz und die Laufzeit "
                                        "im Gitternetz anzuzeigen."),
                         QStringLiteral("Markieren Sie Zellen im Gitternetz und wählen Sie aus dem Menü Optionen den "
                                        "Befehl Kopieren, um Daten in die Zwischenablage zu kopieren.")}),
             QStringLiteral("Kreditprogramm-Anleitungen"));
}

void LoanSheet::mnuOptZ_Click() { hide(); }

// The mortgage calculator, with the loan and the rate of the plan on screen when there is one.
void LoanSheet::mnuOptBaufi_Click() {
    auto* mortgage = qobject_cast<frmBaufinanzierung*>(screens_.Open(ScreenId::frmBaufinanzierung));
    if (mortgage && rateTermGrid_->What() == Shown::Plan && table_ && plan_) {
        mortgage->Prefill(table_->LoanAmount(), plan_->annualRate);
    }
}

void LoanSheet::grdPayments_Click() { cmdCalcAmort_->setEnabled(rateTermGrid_->TableCellChosen()); }

void LoanSheet::grdPayments_DblClick() {
    grdPayments_Click();
    if (!cmdCalcAmort_->isEnabled()) return;
    RunPlanRequest();
    Bezeichnung1_->hide();
}

// Terms across the top in the table's unit, rates down the left, instalments in the body.
// The amounts that produced the table are kept for its plans.
void LoanSheet::ShowPaymentTable() {
    const LoanPaymentTable& table = *table_;
    loanLines_ = {QStringLiteral("Kredit: ") + Money(price_),
                  QStringLiteral("Anzahlung: ") + (downPaymentMode_ == LoanDownPaymentMode::Percent
                                                      ? ToQ(FormatGeneral(downPayment_)) + QStringLiteral(" %")
                                                      : Money(downPayment_)),
                  QStringLiteral("Kreditbetrag: ") + Money(table.LoanAmount())};
    NumberMatrix payments{std::shared_ptr<const std::vector<double>>(table_, &table.Cells()), table.Stride() + 1,
                          table.Stride(), table.RateCount(), table.TermCount(), "Currency"};
    TablePage page = MakeTablePage(
        table.RateCount(), table.TermCount(), [table = table_](int row) { return table->Rate(row); },
        [table = table_](int col) { return table->Term(col); },
        table.TermUnit() == LoanTermUnit::Years ? QStringLiteral("Jahre") : QStringLiteral("Monate"), std::move(payments),
        grdPayments_->Region());
    page.head = {QStringLiteral("Ratentabelle"), loanLines_ + RangeLines(page)};
    rateTermGrid_->ShowTable(std::move(page));
    mnuOptCopy_->setEnabled(true);
}

void LoanSheet::RunPlanRequest() {
    int row = 0;
    int col = 0;
    if (!rateTermGrid_->CurrentTableCell(row, col)) {
        Refuse(QStringLiteral("Markieren Sie eine Rate um den Tilgungsplan anzuzeigen."));
        cmdCalcAmort_->setEnabled(false);
        return;
    }
    LoanResult<LoanPlan> result;
    {
        const BusyPointer busy(this);
        // The plan of the table on screen, read with the term unit of this moment.
        result = BuildAmortizationPlan(
            {table_->LoanAmount(), table_->Rate(row), table_->Payment(row, col), table_->Term(col), termUnit_});
        if (result.error == LoanError::None) {
            plan_ = std::make_shared<const LoanPlan>(std::move(result.value));
            frmKAmort_->setText(QStringLiteral("Tilgungsplan für --> ") + ToQ(FormatGeneral(plan_->annualRate)) +
                                QStringLiteral(" % p.a. ;"));
            frmLZAmort_->setText(ToQ(FormatGeneral(plan_->months)) + QStringLiteral(" Monate"));
            ShowAmortizationPlan();
        }
    }
    if (result.error != LoanError::None) {
        Refuse(QStringLiteral("Für diese Rate läßt sich kein Tilgungsplan berechnen."));
        cmdCalcAmort_->setEnabled(false);
    }
}

// Per month the interest, the principal, the balance left and the interest so far.
void LoanSheet::ShowAmortizationPlan() {
    lblRate_->setText(QStringLiteral("Rate=") + Money(plan_->payment));
    lblRate_->show();
    const auto months = static_cast<int>(plan_->monthCount);
    NumberMatrix values{std::shared_ptr<const std::vector<double>>(plan_, &plan_->cells), 0, LoanPlan::kColumns,
                        months, LoanPlan::kColumns, "Currency"};
    PlanPage page = MakePlanPage(months, [](int row) { return static_cast<double>(row); }, QStringLiteral("Mon"),
                                 {QStringLiteral("Zinsen/Monat"), QStringLiteral("Tilgung  (=Rate-Zinsen)"),
                                  QStringLiteral("Verbleibender Kreditbetrag"), QStringLiteral("Gesamtzinsen")},
                                 std::move(values), grdPayments_->Region());
    page.periodHeader = QStringLiteral("Monat");
    page.head = {QStringLiteral("Tilgungsplan"),
                 loanLines_ + QStringList{QStringLiteral("Laufzeit: ") + ToQ(FormatGeneral(plan_->months)) + QStringLiteral(" Monate"),
                                          QStringLiteral("Zinssatz: ") + ToQ(FormatGeneral(plan_->annualRate)) +
                                              QStringLiteral(" %"),
                                          QStringLiteral("Rate: ") + Money(plan_->payment)}};
    rateTermGrid_->ShowPlan(std::move(page));
    cmdCalcAmort_->setEnabled(false);
}

void LoanSheet::mnuOptCopy_Click() {
    const bool years = termUnit_ == LoanTermUnit::Years;
    rateTermGrid_->CopySelection([this, years](int col) { return CopiedTermHeader(table_->Term(col), years); });
}

}  // namespace zolt
