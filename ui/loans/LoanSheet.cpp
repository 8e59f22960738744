#include "ui/loans/LoanSheet.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
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
#include <cmath>
#include <memory>

#include "core/NumberRules.h"
#include "ui/common/BusyPointer.h"
#include "ui/common/FormControls.h"
#include "ui/common/FormKit.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/QtText.h"
#include "ui/common/ScreenSlots.h"
#include "ui/common/SheetGrid.h"

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

int RoundTwips(double twips) { return std::max(0, static_cast<int>(std::nearbyint(twips))); }

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

void LoanSheet::CreateControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("LoanSheetClient"));

    lblPurchTotl_ = MakeLabel(client_, QStringLiteral("lblPurchTotl"), QStringLiteral("Kredit"), {120, 120, 2640, 240});
    txtPurchTotl_ = MakeTextField(client_, QStringLiteral("txtPurchTotl"), QString(), {120, 360, 2640, 315});
    lblDwnPay_ = MakeLabel(client_, QStringLiteral("lblDwnPay"), QStringLiteral("Anzahlung in Prozent"), {120, 780, 2640, 240});
    txtDwnPay_ = MakeTextField(client_, QStringLiteral("txtDwnPay"), QString(), {120, 1020, 2640, 315});

    frmLoanLen_ = MakeFrame(client_, QStringLiteral("frmLoanLen"), QStringLiteral("Laufzeit in Jahren"), {120, 1440, 2640, 1140});
    lblLenMax_ = MakeLabel(frmLoanLen_, ArrayName(QStringLiteral("lblLen"), 0), QStringLiteral("Maximum"), {120, 330, 1200, 240});
    txtLenMax_ = MakeTextField(frmLoanLen_, QStringLiteral("txtLenMax"), QString(), {1320, 300, 1200, 315});
    lblLenMin_ = MakeLabel(frmLoanLen_, ArrayName(QStringLiteral("lblLen"), 1), QStringLiteral("Minimum"), {120, 750, 1200, 240});
    txtLenMin_ = MakeTextField(frmLoanLen_, QStringLiteral("txtLenMin"), QString(), {1320, 720, 1200, 315});

    frmIntr_ = MakeFrame(client_, QStringLiteral("frmIntr"), QStringLiteral("Zinssatz"), {120, 2700, 2640, 1140});
    lblIntrMin_ = MakeLabel(frmIntr_, ArrayName(QStringLiteral("lblIntr"), 0), QStringLiteral("Minimum %"), {120, 330, 1200, 240});
    comIntrMin_ = new QComboBox(frmIntr_);
    comIntrMin_->setObjectName(QStringLiteral("comIntrMin"));
    PlaceTwips(comIntrMin_, 1320, 300, 1200, 315);
    lblIntrMax_ = MakeLabel(frmIntr_, ArrayName(QStringLiteral("lblIntr"), 1), QStringLiteral("Maximum %"), {120, 750, 1200, 240});
    comIntrMax_ = new QComboBox(frmIntr_);
    comIntrMax_->setObjectName(QStringLiteral("comIntrMax"));
    PlaceTwips(comIntrMax_, 1320, 720, 1200, 315);

    cmdCalcPmts_ = MakeButton(client_, QStringLiteral("cmdCalcPmts"), QStringLiteral("Raten anzeigen"), {120, 4020, 2640, 420});
    cmdCalcAmort_ = MakeButton(client_, QStringLiteral("cmdCalcAmort"), QStringLiteral("Tilgungsplan anzeigen"), {120, 4560, 2640, 420});
    cmdCalcAmort_->setEnabled(false);

    Bezeichnung1_ = new QLabel(QStringLiteral("Markieren Sie eine Rate um den Tilgungsplan anzuzeigen."), client_);
    Bezeichnung1_->setObjectName(QStringLiteral("Bezeichnung1"));
    Bezeichnung1_->setStyleSheet(QStringLiteral("color: #ff0000;"));
    Bezeichnung1_->setWordWrap(true);
    PlaceTwips(Bezeichnung1_, 120, 5160, 2640, 720);
    Bezeichnung1_->hide();

    frmKAmort_ = new QLabel(client_);
    frmKAmort_->setObjectName(QStringLiteral("frmKAmort"));
    PlaceTwips(frmKAmort_, kGridLeft, 90, 3600, 270);
    frmLZAmort_ = new QLabel(client_);
    frmLZAmort_->setObjectName(QStringLiteral("frmLZAmort"));
    PlaceTwips(frmLZAmort_, kGridLeft + 3660, 90, 1500, 270);
    lblRate_ = new QLabel(client_);
    lblRate_->setObjectName(QStringLiteral("lblRate"));
    PlaceTwips(lblRate_, kGridLeft + 5220, 90, 1800, 270);

    imgGraphic_ = new QLabel(client_);
    imgGraphic_->setObjectName(QStringLiteral("imgGraphic"));
    imgGraphic_->setPixmap(CoinPicture());
    imgGraphic_->resize(imgGraphic_->pixmap().size());
    imgGraphic_->hide();  // lends its picture and size to the grid's top-left cell

    grdPayments_ = new SheetGrid(client_);
    grdPayments_->setObjectName(QStringLiteral("grdPayments"));
    PlaceTwips(grdPayments_, kGridLeft, kGridTop, kClientWidth - kControlsWidth, kClientHeight - kGridTop - 120);
    connect(grdPayments_, &SheetGrid::cellClicked, this, [this] { grdPayments_Click(); });
    connect(grdPayments_, &SheetGrid::cellDoubleClicked, this, [this] { grdPayments_DblClick(); });


    connect(txtPurchTotl_, &QLineEdit::textChanged, this, [this] { txtPurchTotl_Change(); });
    connect(txtLenMin_, &QLineEdit::textChanged, this, [this] { txtLenMin_Change(); });
    connect(txtLenMax_, &QLineEdit::textChanged, this, [this] { txtLenMax_Change(); });
    connect(txtDwnPay_, &QLineEdit::textChanged, this, [this] { txtDwnPay_Change(); });
    connect(cmdCalcPmts_, &QPushButton::clicked, this, [this] { cmdCalcPmts_Click(); });
    connect(cmdCalcAmort_, &QPushButton::clicked, this, [this] { cmdCalcAmort_Click(); });
}

void LoanSheet::CreateMenus() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("LoanSheetMenu"));

    mnuOptions_ = menuBar_->addMenu(QStringLiteral("&Optionen"));
    mnuOptions_->setObjectName(QStringLiteral("mnuOptions"));
    mnuOptCopy_ = mnuOptions_->addAction(QStringLiteral("&Kopieren"), this, [this] { mnuOptCopy_Click(); });
    mnuOptCopy_->setObjectName(QStringLiteral("mnuOptCopy"));
    mnuOptCopy_->setEnabled(false);
    mnuOptInstruct_ =
        mnuOptions_->addAction(QStringLiteral("&Instruktionen..."), this, [this] { mnuOptInstruct_Click(); });
    mnuOptInstruct_->setObjectName(QStringLiteral("mnuOptInstruct"));
    mnuOptSep_ = mnuOptions_->addSeparator();
    mnuOptSep_->setObjectName(QStringLiteral("mnuOptSep"));

    mnuDwnPay_ = menuBar_->addMenu(QStringLiteral("&Anzahlung"));
    mnuDwnPay_->setObjectName(QStringLiteral("mnuDwnPay"));
    const QString dwnCaptions[2] = {QStringLiteral("&Prozent Anzahlung"), QStringLiteral("&Anzahlungssumme")};
    for (int index = 0; index < 2; ++index) {
        mnuOptDwn_[index] = mnuDwnPay_->addAction(dwnCaptions[index], this, [this, index] { mnuOptDwn_Click(index); });
        mnuOptDwn_[index]->setObjectName(ArrayName(QStringLiteral("mnuOptDwn"), index));
        mnuOptDwn_[index]->setCheckable(true);
    }
    mnuOptDwn_[0]->setChecked(true);

    mnuLoanLen_ = menuBar_->addMenu(QStringLiteral("&Laufzeit"));
    mnuLoanLen_->setObjectName(QStringLiteral("mnuLoanLen"));
    const QString lenCaptions[2] = {QStringLiteral("&Jahre"), QStringLiteral("&Monate")};
    for (int index = 0; index < 2; ++index) {
        mnuOptLen_[index] = mnuLoanLen_->addAction(lenCaptions[index], this, [this, index] { mnuOptLen_Click(index); });
        mnuOptLen_[index]->setObjectName(ArrayName(QStringLiteral("mnuOptLen"), index));
        mnuOptLen_[index]->setCheckable(true);
    }
    mnuOptLen_[0]->setChecked(true);

    mnuOptZK_ = menuBar_->addMenu(QStringLiteral("&Zurück"));
    mnuOptZK_->setObjectName(QStringLiteral("mnuOptZK"));
    mnuOptZ_ = mnuOptZK_->addAction(QStringLiteral("&zurück zum Auswahlmenü"), this, [this] { mnuOptZ_Click(); });
    mnuOptZ_->setObjectName(QStringLiteral("mnuOptZ"));
}

void LoanSheet::Form_Load() {
    state_.DownPayment = 0.0;
    CenterOnDesktop(this);
    FillRateBox(comIntrMax_, 0.0, 25.0, 1.0, "0.0");
    FillRateBox(comIntrMin_, 0.0, 25.0, 1.0, "0.0");
    comIntrMax_->setCurrentIndex(0);
    comIntrMin_->setCurrentIndex(0);
    // Connected only now, so that filling the lists does not count as a choice; the two
    // handlers then run once for the selected first entries.
    connect(comIntrMax_, &QComboBox::currentIndexChanged, this, [this] { comIntrMax_Click(); });
    connect(comIntrMin_, &QComboBox::currentIndexChanged, this, [this] { comIntrMin_Click(); });
    comIntrMax_Click();
    comIntrMin_Click();

    grdPayments_->SetCurrentCell(0, 0);
    grdPayments_->SetColWidth(0, PictureWidthTwips());
    grdPayments_->SetRowHeight(0, static_cast<int>(Twips(imgGraphic_->pixmap().height())));
    grdPayments_->SetPicture(imgGraphic_->pixmap());
    state_.RateCount = 16;
    state_.TermCount = 3;
    SizeTableGrid();
}

void LoanSheet::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void LoanSheet::Form_Resize() {
    if (isMinimized() || !grdPayments_) return;
    const int width = std::max(this->width() - Px(kControlsWidth), 0);
    grdPayments_->SetWidthTwips(static_cast<int>(Twips(width)));
    // While a plan is shown its own sizing runs again: the table layout would cut the plan
    // to the table's rows and columns.
    if (state_.PlanShown) SizePlanGrid();
    else SizeTableGrid();
}

void LoanSheet::txtPurchTotl_Change() { state_.Price = Leading(txtPurchTotl_); }
void LoanSheet::txtLenMin_Change() { state_.TermMin = Leading(txtLenMin_); }
void LoanSheet::txtLenMax_Change() { state_.TermMax = Leading(txtLenMax_); }

void LoanSheet::txtDwnPay_Change() {
    state_.DownPayment = Leading(txtDwnPay_);
    ReportDownPaymentCheck(CheckDownPayment(state_));
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
    txtDwnPay_->clear();  // reads DownPayment = 0 again
    txtDwnPay_->setFocus();
    return false;
}

void LoanSheet::comIntrMax_Click() {
    state_.RateMax = LeadingNumber(ToStd(comIntrMax_->currentText()));
    if (state_.RateMax < state_.RateMin) {
        ShowInputError(this, QStringLiteral("Der maximale Zinssatz muß größer oder gleich dem minimalen Zinssatz sein."),
                       kErrorTitle);
        comIntrMax_->setCurrentIndex(comIntrMin_->currentIndex());
        comIntrMax_->setFocus();
    }
}

void LoanSheet::comIntrMin_Click() {
    state_.RateMin = LeadingNumber(ToStd(comIntrMin_->currentText()));
    if (state_.RateMax < state_.RateMin) {
        ShowInputError(this, QStringLiteral("Der minimale Zinssatz muß kleiner oder gleich dem maximalen Zinssatz sein."),
                       kErrorTitle);
        comIntrMin_->setCurrentIndex(comIntrMax_->currentIndex());
        comIntrMin_->setFocus();
    }
}

void LoanSheet::Refuse(const QString& message) { ShowInputError(this, message, kErrorTitle); }

bool LoanSheet::CheckTableRequest() {
    const QString termOrderMessage = QStringLiteral("Die maximale Laufzeit muß größer als die minimale Laufzeit sein.");
    const QString minTermMessage = QStringLiteral("Die minimale Laufzeit muß einen Monat oder ein Jahr betragen.");

    // A price beyond any real purchase is refused like a missing one: it would only produce
    // sums too large to show.
    if (!(state_.Price > 0.0 && state_.Price <= kMaxLoanPrice)) {
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
    if (state_.TermMax < state_.TermMin) {
        Refuse(termOrderMessage);
        txtLenMax_->clear();
        txtLenMax_->setFocus();
        return false;
    }
    if (txtLenMin_->text().isEmpty()) {
        Refuse(minTermMessage);
        txtLenMin_->setText(QStringLiteral("1"));  // and the request goes on
    }
    if (state_.RateMax < state_.RateMin) {
        Refuse(QStringLiteral("Der maximale Zinssatz muß größer sein als der minimale Zinssatz."));
        comIntrMax_->setFocus();
        return false;
    }
    if (state_.RateMax < 1.0) {
        Refuse(QStringLiteral("Geben Sie einen maximalen Zinssatz ein, der größer als Null ist."));
        comIntrMax_->setFocus();
        return false;
    }

    // Beyond the sheet's own checks: terms that give no instalment (none at all, or a
    // division by zero), tables too large to show, and a down payment that became invalid
    // through a later change of the price or of its mode (it would finance a negative sum).
    if (!(state_.TermMin >= 1.0)) {
        Refuse(minTermMessage);
        txtLenMin_->setFocus();
        return false;
    }
    if (state_.TermMax < state_.TermMin) {
        Refuse(termOrderMessage);
        txtLenMax_->clear();
        txtLenMax_->setFocus();
        return false;
    }
    if (!(TermInMonths(state_.TermMax, state_.TermUnit) <= kMaxLoanTermMonths)) {
        Refuse(QStringLiteral("Die maximale Laufzeit darf 50 Jahre (600 Monate) nicht überschreiten."));
        txtLenMax_->setFocus();
        return false;
    }
    if (!ReportDownPaymentCheck(CheckDownPayment(state_))) return false;

    // A minimum of 0 % has no annuity of its own in this table: the list follows the maximum
    // and the table starts at the lowest rate above zero, 0,1 %.
    if (state_.RateMin <= 0.0) {
        comIntrMin_->setCurrentIndex(comIntrMax_->currentIndex());
        state_.RateMin = 0.1;
    }
    return true;
}

void LoanSheet::cmdCalcPmts_Click() {
    lblRate_->hide();
    cmdCalcAmort_->setEnabled(false);
    if (!CheckTableRequest()) return;

    // The plans of the table on screen read the financed amount: it changes only with a new table.
    const double shownAmount = state_.LoanAmount;
    ComputeLoanAmount(state_);
    LoanError error = LoanError::None;
    {
        const BusyPointer busy(this);
        frmKAmort_->setText(QStringLiteral(" "));
        frmLZAmort_->setText(QStringLiteral(" "));
        error = BuildPaymentTable(state_);
        if (error == LoanError::None) ShowPaymentTable();
    }
    if (error != LoanError::None) {
        state_.LoanAmount = shownAmount;
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
    state_.DownPaymentMode = index == 0 ? LoanDownPaymentMode::Percent : LoanDownPaymentMode::Amount;
    mnuOptDwn_[0]->setChecked(index == 0);
    mnuOptDwn_[1]->setChecked(index == 1);
    lblDwnPay_->setText(index == 0 ? QStringLiteral("Anzahlung in Prozent") : QStringLiteral("Anzahlungssumme in DM"));
}

void LoanSheet::mnuOptLen_Click(int index) {
    state_.TermUnit = index == 0 ? LoanTermUnit::Years : LoanTermUnit::Months;
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

QString LoanSheet::TermUnitWord() const {
    return state_.TermUnit == LoanTermUnit::Years ? QStringLiteral("Jahre") : QStringLiteral("Monate");
}

}  // namespace zolt

namespace zolt {

int LoanSheet::PictureWidthTwips() const { return static_cast<int>(Twips(imgGraphic_->pixmap().width())); }

bool LoanSheet::CellChosen() const { return !grdPayments_->Text().isEmpty() && !state_.PlanShown; }

void LoanSheet::grdPayments_Click() { cmdCalcAmort_->setEnabled(CellChosen()); }

void LoanSheet::grdPayments_DblClick() {
    if (!CellChosen()) {
        cmdCalcAmort_->setEnabled(false);
        return;
    }
    cmdCalcAmort_->setEnabled(true);
    RunPlanRequest();
    Bezeichnung1_->hide();
}

void LoanSheet::SizeTableGrid() { GridLayout(*grdPayments_, state_.RateCount, state_.TermCount); }

void LoanSheet::ShowPaymentTable() {
    SheetGrid& grid = *grdPayments_;
    ClearGrid(grid);
    grid.SetCurrentCell(0, 0);
    grid.SetText(QString());  // a plan's "Mon" would otherwise show through the picture
    grid.SetPicture(imgGraphic_->pixmap());
    grid.SetColWidth(0, PictureWidthTwips());
    SizeTableGrid();

    // The grid reads a snapshot of the table; the state keeps its own for the plans.
    const auto shown = std::make_shared<const LoanPaymentTable>(state_.PaymentTable);
    const int rateCount = shown->RateCount();
    const int termCount = shown->TermCount();
    const RegionalSettings region = grid.Model()->Region();
    const QString unit = TermUnitWord();
    grid.Model()->SetFixedAlignment(1, termCount, kGridAlignCenter);
    grid.SetTextSource(0, 1, 1, termCount, [shown, unit, region](int, int col) {
        return QStringLiteral("\r\n") + ToQ(FormatGeneral(shown->Term(col), region)) + QStringLiteral("\r\n") + unit;
    });
    grid.SetFixedAlignment(0, kGridAlignCenter);
    grid.SetTextSource(1, 0, rateCount, 1, [shown, region](int row, int) {
        return ToQ(FormatNumber(shown->Rate(row), "0.0", region)) + QLatin1Char('%');
    });
    grid.SetColAlignments(1, termCount, kGridAlignCenter);
    NumberMatrix body;
    body.values = std::shared_ptr<const std::vector<double>>(shown, &shown->Cells());
    body.offset = static_cast<std::size_t>(termCount + 1) + 1;  // cell (1, 1)
    body.stride = static_cast<std::size_t>(termCount + 1);
    body.rows = rateCount;
    body.cols = termCount;
    body.mask = "Currency";
    grid.SetNumbers(1, 1, std::move(body));

    grid.SetHighLight(true);
    mnuOptCopy_->setEnabled(true);
    state_.PlanShown = false;
    tableShown_ = true;
}

void LoanSheet::RunPlanRequest() {
    LoanError error = LoanError::None;
    {
        const BusyPointer busy(this);
        error = BuildAmortizationPlan(state_, grdPayments_->Row(), grdPayments_->Col());
        if (error == LoanError::None) {
            frmKAmort_->setText(QStringLiteral("Tilgungsplan für --> ") + ToQ(FormatGeneral(state_.PlanRate)) +
                                QStringLiteral(" % p.a. ;"));
            frmLZAmort_->setText(ToQ(FormatGeneral(state_.PlanMonths)) + QStringLiteral(" Monate"));
            ShowAmortizationPlan();
        }
    }
    switch (error) {
        case LoanError::None: return;
        case LoanError::NoSuchCell:
            Refuse(QStringLiteral("Markieren Sie eine Rate um den Tilgungsplan anzuzeigen."));
            break;
        default: Refuse(QStringLiteral("Für diese Rate läßt sich kein Tilgungsplan berechnen.")); break;
    }
    cmdCalcAmort_->setEnabled(false);
}

void LoanSheet::ShowAmortizationPlan() {
    SheetGrid& grid = *grdPayments_;
    ClearGrid(grid);
    grid.SetCols(5);
    grid.SetCurrentCell(0, 0);
    grid.SetPicture(QPixmap());
    const QString corner = QStringLiteral("\r\nMon");
    grid.SetText(corner);
    lblRate_->setText(QStringLiteral("Rate=") + ToQ(FormatNumber(state_.SelectedPayment, "Currency")));
    lblRate_->show();
    grid.SetColWidth(0, RoundTwips(1.1 * grid.TextWidthTwips(corner)));
    grid.SetCellText(0, 1, QStringLiteral("\r\nZinsen/Monat"));
    grid.SetCellText(0, 2, QStringLiteral("\r\nTilgung  (=Rate-Zinsen)"));
    grid.SetCellText(0, 3, QStringLiteral("\r\nVerbleibender Kreditbetrag"));
    grid.SetCellText(0, 4, QStringLiteral("\r\nGesamtzinsen"));
    grid.Model()->SetFixedAlignment(1, 4, kGridAlignCenter);
    // A plan longer than the grid scrolls vertically; the column widths leave room for the bar.
    grid.SetScrollBars(kScrollVertical);

    const int months = static_cast<int>(state_.PlanRows.size()) - 1;
    grid.SetRows(std::max(months + 1, 16));
    SizePlanGrid();
    const RegionalSettings region = grid.Model()->Region();
    if (months > 0) {
        grid.SetTextSource(1, 0, months, 1, [region](int row, int) { return ToQ(FormatGeneral(row, region)); });
        // Columns as shown: interest, principal, balance, interest so far.
        const LoanPlanValues derived = DerivePlanValues(state_);
        auto cells = std::make_shared<std::vector<double>>();
        cells->reserve(static_cast<std::size_t>(months) * 4);
        for (std::size_t k = 1; k <= static_cast<std::size_t>(months); ++k) {
            cells->insert(cells->end(), {state_.PlanRows[k].Interest, derived.Principal[k], state_.PlanRows[k].Balance,
                                         derived.TotalInterest[k]});
        }
        grid.SetColAlignments(1, 4, kGridAlignCenter);
        NumberMatrix body;
        body.values = std::move(cells);
        body.stride = 4;
        body.rows = months;
        body.cols = 4;
        body.mask = "Currency";
        grid.SetNumbers(1, 1, std::move(body));
    }
    cmdCalcAmort_->setEnabled(false);
    state_.PlanShown = true;
    grid.Refresh();
}

void LoanSheet::SizePlanGrid() {
    SheetGrid& grid = *grdPayments_;
    const double availableHeight = grid.HeightTwips() - grid.RowHeight(0) - 30.0;
    const double availableWidth = grid.WidthTwips() - grid.ColWidth(0) - 30.0;
    const int months = static_cast<int>(state_.PlanRows.size()) - 1;
    if (months > 0) grid.SetRowHeights(1, months, RoundTwips(availableHeight / 16.0));
    grid.SetColWidths(1, 4, RoundTwips((availableWidth - 255.0) / 4.0));
}

void LoanSheet::mnuOptCopy_Click() {
    const CopyHeader header = state_.PlanShown ? CopyHeader::Plan : tableShown_ ? CopyHeader::Table : CopyHeader::None;
    const LoanPaymentTable& table = state_.PaymentTable;
    const bool years = state_.TermUnit == LoanTermUnit::Years;
    CopySelection(*grdPayments_, header, [&table, years](int col) {
        return col >= 1 && col <= table.TermCount() ? CopiedTermHeader(table.Term(col), years) : QString();
    });
}

}  // namespace zolt
