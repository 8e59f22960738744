#include "ui/savings/ZinsSheet.h"

#include <QAction>
#include <QActionGroup>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>

#include "core/NumberRules.h"
#include "ui/common/BusyPointer.h"
#include "ui/common/FormControls.h"
#include "ui/common/FormKit.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/QtText.h"
#include "ui/common/RateTermGrid.h"
#include "ui/common/ScreenSlots.h"
#include "ui/common/SheetGrid.h"
#include "ui/common/Version.h"
#include "ui/savings/ZinsSheetGrid.h"

namespace zolt {

namespace {

const QString kErrorTitle = QStringLiteral("Zinsprogramm-Fehler");

double Reading(const QString& text) { return LeadingNumber(ToStd(text)); }

QLabel* RedLabel(QWidget* parent, const QString& name, const QString& text, TwipsRect at) {
    QLabel* label = MakeLabel(parent, name, text, at);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::red);
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

// The captions that the "Zinszyklus" menu writes (one row per item). They differ in small
// ways from the ones a computation writes (see SetCycleCaptionsForTable): a menu choice
// names the cycle chosen, a computation the cycle of the table on screen.
struct CycleMenuCaptions {
    const char* loanLen;
    const char* zyklus;
    const char* bez1;
};
constexpr std::array<CycleMenuCaptions, 8> kMenuCaptions{{
    {"Laufzeit in Jahren    ", "jährliche Verzinsung", "ZINSZYKLUS ----->"},
    {"Laufzeit in Monaten   ", "monatliche Verzinsung", "ZINSZYKLUS ----->"},
    {"Anzahl der Zyklen   ", "Zinsyklus 2 Monate", "ZINSZYKLUS ----->"},
    {"Anzahl der Zyklen   ", "Zinszyklus 3 Monate", "ZINSZYKLUS ----->"},
    {"Anzahl der Zyklen   ", "Zinszyklus 4 Monate", "Zinszyklus ----->"},
    {"Anzahl der Zyklen   ", "Zinszyklus 6 Monate", "ZINSZYKLUS ----->"},
    {"Anzahl der Tage   ", "tägliche Verzinsung", "ZINSZYKLUS ----->"},
    {"Anzahl der Monate  ", "monatliche Verzinsung ", "SPARPLAN ----->"},
}};

constexpr int kSavingsPlanIndex = static_cast<int>(InterestCycle::SavingsPlan);

// The picture of the top-left grid cell: 50 x 50 pixels, a stack of coins under a percent sign.
QPixmap CornerPicture() {
    QPixmap picture(50, 50);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 90, 0), 1));
    painter.setBrush(QColor(230, 190, 40));
    for (int coin = 0; coin < 4; ++coin) painter.drawEllipse(QRectF(8, 36 - coin * 6, 34, 10));
    painter.setPen(QColor(160, 0, 0));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(16);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 50, 22), Qt::AlignCenter, QStringLiteral("%"));
    return picture;
}

// The decorative icon beside the amount: a small coin.
QPixmap DecorativeIcon() {
    QPixmap icon(32, 32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 90, 0), 2));
    painter.setBrush(QColor(230, 190, 40));
    painter.drawEllipse(QRectF(2, 2, 28, 28));
    painter.setPen(QColor(120, 90, 0));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(14);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("\u20AC"));
    return icon;
}

// The rate lists are 735 twips wide: with the toolkit's wide arrow button a two-digit rate
// such as "50,0" would be cut. A narrower button leaves the text its room.
class RateListStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control != CC_ComboBox) return rect;
        constexpr int kNarrower = 6;
        if (part == SC_ComboBoxArrow) rect.setLeft(rect.left() + kNarrower);
        if (part == SC_ComboBoxEditField) rect.setRight(rect.right() + kNarrower);
        return rect;
    }
};

}  // namespace

ZinsSheet::ZinsSheet(ScreenSlots& screens, QWidget* parent) : QMainWindow(parent), screens_(screens) {
    setObjectName(QStringLiteral("ZinsSheet"));
    setWindowTitle(QStringLiteral("Zins- und Zinseszinsrechnung bei Spareinlagen"));
    setFont(DialogFont());
    BuildControls();
    BuildMenus();
    Form_Load();
}

ZinsSheet::~ZinsSheet() = default;

void ZinsSheet::BuildControls() {
    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("ZinsSheetClient"));
    setCentralWidget(central_);

    lblPurchTotl_ = MakeLabel(central_, QStringLiteral("lblPurchTotl"), QStringLiteral("KAPITAL ->"), {135, 180, 1035, 255});
    txtPurchTotl_ = MakeTextField(central_, QStringLiteral("txtPurchTotl"), QString(), {1200, 150, 1215, 315});

    MakeLabel(central_, QStringLiteral("Anzeige1"), QString(), {1027, 555, 480, 480})->setPixmap(DecorativeIcon());

    frmLoanLen_ = MakeFrame(central_, QStringLiteral("frmLoanLen"), QStringLiteral("Laufzeit in Jahren"), {120, 1080, 2295, 1215});
    lblLen_[0] = MakeLabel(frmLoanLen_, ArrayName(QStringLiteral("lblLen"), 0), QStringLiteral("Maximum"), {120, 360, 1215, 255});
    txtLenMax_ = MakeTextField(frmLoanLen_, QStringLiteral("txtLenMax"), QString(), {1440, 360, 615, 315});
    lblLen_[1] = MakeLabel(frmLoanLen_, ArrayName(QStringLiteral("lblLen"), 1), QStringLiteral("Minimum"), {120, 840, 1215, 255});
    txtLenMin_ = MakeTextField(frmLoanLen_, QStringLiteral("txtLenMin"), QString(), {1440, 840, 615, 315});

    frmIntr_ = MakeFrame(central_, QStringLiteral("frmIntr"), QStringLiteral("Zinssatz"), {120, 2400, 2295, 1335});
    lblIntr_[0] = MakeLabel(frmIntr_, ArrayName(QStringLiteral("lblIntr"), 0), QStringLiteral("Maximum %"), {120, 405, 1215, 255});
    comIntrMax_ = new RateList(frmIntr_, QStringLiteral("comIntrMax"), {1440, 360, 735, 315}, 50,
                               RateList::Kind::ComboBox);
    lblIntr_[1] = MakeLabel(frmIntr_, ArrayName(QStringLiteral("lblIntr"), 1), QStringLiteral("Minimum %"), {120, 885, 1215, 255});
    comIntrMin_ = new RateList(frmIntr_, QStringLiteral("comIntrMin"), {1440, 840, 735, 315}, 50,
                               RateList::Kind::ComboBox);
    auto* rateListStyle = new RateListStyle;
    rateListStyle->setParent(this);
    comIntrMax_->setStyle(rateListStyle);
    comIntrMin_->setStyle(rateListStyle);

    cmdCalcPmts_ = MakeButton(central_, QStringLiteral("cmdCalcPmts"), QStringLiteral("ZINSESZINS"), {120, 3840, 2295, 375});
    cmdEcalcPmts_ = MakeButton(central_, QStringLiteral("cmdEcalcPmts"), QStringLiteral("einfacher Zins"), {120, 4320, 2295, 375});
    cmdCalcAmort_ = MakeButton(central_, QStringLiteral("cmdCalcAmort"), QStringLiteral("detailliert"), {120, 4800, 2295, 375});
    cmdCalcAmort_->setEnabled(false);

    grdPayments_ = new SheetGrid(central_);
    grdPayments_->setObjectName(QStringLiteral("grdPayments"));
    PlaceTwips(grdPayments_, 2640, 120, 6870, 4815);
    imgGraphic_ = new QLabel(central_);
    imgGraphic_->setObjectName(QStringLiteral("imgGraphic"));
    imgGraphic_->setPixmap(CornerPicture());
    imgGraphic_->resize(imgGraphic_->pixmap().size());
    imgGraphic_->hide();

    frmBez1_ = RedLabel(central_, QStringLiteral("frmBez1"), QStringLiteral("   ZINSZYKLUS --------->"), {2640, 5400, 2175, 255});
    frmZyklus_ = RedLabel(central_, QStringLiteral("frmZyklus"), QStringLiteral("jährliche Verzinsung"), {4815, 5400, 1935, 255});
    frmEart_ = RedLabel(central_, QStringLiteral("frmEart"), QStringLiteral("; Zinseszins"), {6750, 5400, 1815, 255});
    frmZAmort_ = RedLabel(central_, QStringLiteral("frmZAmort"), QString(), {8505, 5400, 960, 255});

    Bezeichnung1_ = MakeLabel(central_, QStringLiteral("Bezeichnung1"), QString(), {180, 5400, 2250, 255});
    // Cyan text reads poorly on the grey of the window; a dark ground keeps it legible.
    Bezeichnung1_->setAutoFillBackground(true);
    QPalette clockPalette = Bezeichnung1_->palette();
    clockPalette.setColor(QPalette::Window, QColor(0, 0, 128));
    clockPalette.setColor(QPalette::WindowText, Qt::cyan);
    Bezeichnung1_->setPalette(clockPalette);

    Zeit1_ = new QTimer(this);
    Zeit1_->setObjectName(QStringLiteral("Zeit1"));

    connect(txtPurchTotl_, &QLineEdit::textChanged, this, &ZinsSheet::txtPurchTotl_Change);
    connect(txtLenMin_, &QLineEdit::textChanged, this, &ZinsSheet::txtLenMin_Change);
    connect(txtLenMax_, &QLineEdit::textChanged, this, &ZinsSheet::txtLenMax_Change);
    connect(cmdCalcPmts_, &QPushButton::clicked, this, &ZinsSheet::cmdCalcPmts_Click);
    connect(cmdEcalcPmts_, &QPushButton::clicked, this, &ZinsSheet::cmdEcalcPmts_Click);
    connect(cmdCalcAmort_, &QPushButton::clicked, this, &ZinsSheet::cmdCalcAmort_Click);
    connect(Zeit1_, &QTimer::timeout, this, &ZinsSheet::Zeit1_Timer);
    connect(grdPayments_, &SheetGrid::cellChosen, this, &ZinsSheet::grdPayments_Click);
    connect(grdPayments_, &SheetGrid::cellDoubleClicked, this, &ZinsSheet::grdPayments_DblClick);
    connect(comIntrMax_, &RateList::chosen, this, &ZinsSheet::comIntrMax_Click);
    connect(comIntrMin_, &RateList::chosen, this, &ZinsSheet::comIntrMin_Click);
    // Tab follows the reading order: the amount and the grid beside it, then down the left.
    SetTabOrder({txtPurchTotl_, grdPayments_, txtLenMax_, txtLenMin_, comIntrMax_, comIntrMin_, cmdCalcPmts_,
                 cmdEcalcPmts_, cmdCalcAmort_});
}

void ZinsSheet::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("ZinsSheetMenu"));
    const auto addMenu = [bar](const QString& name, const QString& title) {
        QMenu* menu = bar->addMenu(title);
        menu->setObjectName(name);
        // The separator that ends a menu is drawn, not dropped as a trailing one.
        menu->setSeparatorsCollapsible(false);
        menu->menuAction()->setObjectName(name);
        return menu;
    };
    const auto addItem = [this](QMenu* menu, const QString& name, const QString& text, auto handler) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    const auto addSeparator = [](QMenu* menu, const QString& name) {
        QAction* separator = menu->addSeparator();
        separator->setObjectName(name);
        return separator;
    };

    mnuOptions_ = addMenu(QStringLiteral("mnuOptions"), QStringLiteral("&Optionen"));
    mnuOptCopy_ = addItem(mnuOptions_, QStringLiteral("mnuOptCopy"), QStringLiteral("&Kopieren"), &ZinsSheet::mnuOptCopy_Click);
    mnuOptCopy_->setEnabled(false);
    // The file, print and chart items follow "Kopieren" (see Form_Load).
    mnuOptSep_ = addSeparator(mnuOptions_, QStringLiteral("mnuOptSep"));

    QMenu* cycles = addMenu(QStringLiteral("mnuLoanLen"), QStringLiteral("&Zinszyklus"));
    const std::array<QString, 8> cycleTexts{
        QStringLiteral("&jährlich"),
        QStringLiteral("&monatlich"),
        QStringLiteral("&zwei Monate   (60 Tage)"),
        QStringLiteral("&drei Monate    (90 Tage)"),
        QStringLiteral("&vier Monate    (120 Tage)"),
        QStringLiteral("&sechs Monate (180 Tage)"),
        QStringLiteral("&tägliche Verzinsung"),
        QStringLiteral("S&parplan mon. Verzinsung"),
    };
    auto* cycleGroup = new QActionGroup(this);
    cycleGroup->setExclusive(true);
    for (std::size_t i = 0; i < cycleTexts.size(); ++i) {
        QAction* action = cycles->addAction(cycleTexts[i]);
        action->setObjectName(ArrayName(QStringLiteral("mnuOptLen"), static_cast<int>(i)));
        action->setCheckable(true);
        cycleGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { mnuOptLen_Click(static_cast<int>(i)); });
        mnuOptLen_[i] = action;
    }
    mnuOptLen_[0]->setChecked(true);
    addSeparator(cycles, QStringLiteral("mnuOptSep1"));

    QMenu* tools = addMenu(QStringLiteral("mnuOptTFin"), QStringLiteral("&Rechner"));
    addItem(tools, QStringLiteral("mnuOptTag"), QStringLiteral("&Differenz zw. 2 Datumsangaben"), &ZinsSheet::mnuOptTag_Click);
    addItem(tools, QStringLiteral("mnuOptTr"), QStringLiteral("&Rechner"), &ZinsSheet::mnuOptTr_Click);
    addSeparator(tools, QStringLiteral("mnuOptSep4"));

    QMenu* help = addMenu(QStringLiteral("mnuINF"), QStringLiteral("&Hilfe"));
    addItem(help, QStringLiteral("mnuOptInstruct"), QStringLiteral("&Hilfe"), &ZinsSheet::mnuOptInstruct_Click);
    addItem(help, QStringLiteral("mnuHin"), QStringLiteral("&Copyright"), &ZinsSheet::mnuHin_Click);
    addItem(help, QStringLiteral("mnuSYS"), QStringLiteral("&Systeminfo"), &ZinsSheet::mnuSYS_Click);
    addSeparator(help, QStringLiteral("mnuOptSep12"));

    QMenu* back = addMenu(QStringLiteral("mnuOptRück"), QStringLiteral("Zurüc&k"));
    addItem(back, QStringLiteral("mnuOPtZurück"), QStringLiteral("&Zurück zum Auswahlmenü"), &ZinsSheet::mnuOPtZurueck_Click);
}

void ZinsSheet::Form_Load() {
    Zeit1_->setInterval(1000);

    // The client area keeps a right margin beside the grid; the menu bar comes on top of it.
    SetClientTwips(this, 9690, 5880);
    resize(width(), height() + menuBar()->sizeHint().height());
    CenterOnDesktop(this);

    rates_ = std::make_unique<RateRange>(this, kErrorTitle, comIntrMax_, comIntrMin_);
    rateTermGrid_ = std::make_unique<RateTermGrid>(*grdPayments_, imgGraphic_->pixmap());
    rateTermGrid_->AttachExports(kErrorTitle, windowTitle(), mnuOptions_, mnuOptSep_, DetailPlanChart);
}

void ZinsSheet::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void ZinsSheet::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    Zeit1_Timer();
    Zeit1_->start();
}

void ZinsSheet::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    Zeit1_->stop();
}

void ZinsSheet::Form_Resize() {
    if (isMinimized() || !rateTermGrid_) return;
    // The grid takes the width of the window less the left column and the right margin
    // (2940 twips of the outer window, 2820 of its client area); never below nothing.
    grdPayments_->SetWidthTwips(std::max(0, static_cast<int>(Twips(central_->width())) - 2820));
    rateTermGrid_->LayOut();
}

QString ZinsSheet::ClockText(const QDateTime& moment) {
    static const std::array<QString, 7> kDays{QStringLiteral("Mo"), QStringLiteral("Di"), QStringLiteral("Mi"),
                                              QStringLiteral("Do"), QStringLiteral("Fr"), QStringLiteral("Sa"),
                                              QStringLiteral("So")};
    const QDate date = moment.date();
    const QTime time = moment.time();
    const double serial = DateSerial(date.year(), date.month(), date.day()) + TimeSerial(time.hour(), time.minute(), 0);
    return QStringLiteral("  ") + kDays[static_cast<std::size_t>(date.dayOfWeek() - 1)] + QStringLiteral("  ") +
           ToQ(FormatNumber(serial, "dd.mm.yyyy")) + QStringLiteral("; ") + ToQ(FormatNumber(serial, "hh:mm"));
}

void ZinsSheet::Zeit1_Timer() { Bezeichnung1_->setText(ClockText(QDateTime::currentDateTime())); }

void ZinsSheet::txtPurchTotl_Change() { baseAmount_ = Reading(txtPurchTotl_->text()); }
void ZinsSheet::txtLenMin_Change() { termMin_ = Reading(txtLenMin_->text()); }
void ZinsSheet::txtLenMax_Change() { termMax_ = Reading(txtLenMax_->text()); }

void ZinsSheet::comIntrMax_Click() { rates_->MaxChosen(); }
void ZinsSheet::comIntrMin_Click() { rates_->MinChosen(); }

void ZinsSheet::cmdCalcPmts_Click() { ComputeTable(false); }

void ZinsSheet::cmdEcalcPmts_Click() {
    frmEart_->setText(QStringLiteral("; einfacher Zins"));
    ComputeTable(true);
}

bool ZinsSheet::CheckInputs() {
    if (!(baseAmount_ > 0)) {
        ShowInputError(this, QStringLiteral("Geben Sie eine gültige Anfangssumme ein."), kErrorTitle);
        txtPurchTotl_->clear();
        txtPurchTotl_->setFocus();
        return false;
    }
    if (txtLenMax_->text().isEmpty()) {
        ShowInputError(this, QStringLiteral("Geben Sie ein maximale Laufzeit für die Berechnung ein."), kErrorTitle);
        txtLenMax_->setFocus();
        return false;
    }
    if (termMax_ < termMin_) {
        ShowInputError(this, QStringLiteral("Die maximale Laufzeit muß größer als die minimale Laufzeit sein."),
                       kErrorTitle);
        txtLenMax_->clear();
        txtLenMax_->setFocus();
        return false;
    }
    if (txtLenMin_->text().isEmpty()) {
        // Not fatal: the shortest term becomes one unit and the table is computed.
        ShowInputError(this, QStringLiteral("Die minimale Laufzeit muß einen Monat oder ein Jahr betragen."),
                       kErrorTitle);
        txtLenMin_->setText(QStringLiteral("1"));
        termMin_ = 1;
    }
    if (rates_->Max() < rates_->Min()) {
        ShowInputError(this, QStringLiteral("Der maximale Zinssatz muß größer sein als der minimale Zinssatz."),
                       kErrorTitle);
        comIntrMax_->setFocus();
        return false;
    }
    if (rates_->Max() < 1) {
        ShowInputError(this, QStringLiteral("Geben Sie einen maximalen Zinssatz ein, der größer als Null ist."),
                       kErrorTitle);
        comIntrMax_->setFocus();
        return false;
    }
    return true;
}

void ZinsSheet::SetCycleCaptionsForTable() {
    frmZAmort_->setText(QStringLiteral(" "));
    switch (cycle_) {
        case InterestCycle::Yearly:
            frmLoanLen_->setTitle(QStringLiteral("Laufzeit in Jahren    "));
            frmZyklus_->setText(QStringLiteral("jährliche Verzinsung"));
            break;
        case InterestCycle::Monthly:
            frmLoanLen_->setTitle(QStringLiteral("Laufzeit in Monaten   "));
            frmZyklus_->setText(QStringLiteral("monatliche Verzinsung"));
            break;
        case InterestCycle::TwoMonths:
        case InterestCycle::ThreeMonths:
        case InterestCycle::FourMonths:
        case InterestCycle::SixMonths:
            frmLoanLen_->setTitle(QStringLiteral("Anzahl der Zyklen   "));
            frmZyklus_->setText(QStringLiteral("Zinszyklus %1 Monate").arg(MonthsPerCycle(cycle_)));
            break;
        case InterestCycle::Daily:
            frmLoanLen_->setTitle(QStringLiteral("Anzahl der Tage   "));
            frmZyklus_->setText(QStringLiteral("tägliche Verzinsung"));
            break;
        case InterestCycle::SavingsPlan:
            frmLoanLen_->setTitle(QStringLiteral("Anzahl der Monate   "));
            frmZyklus_->setText(QStringLiteral("monatliche Verzinsung"));
            frmBez1_->setText(QStringLiteral("SPARPLAN -----> "));
            break;
    }
}

bool ZinsSheet::CheckLimits(const TableInputs& inputs) {
    // A negative term would discount instead of compound; no saver means that.
    if (inputs.termMin < 0 || inputs.termMax < 0) {
        ShowInputError(this, QStringLiteral("Die Laufzeit darf nicht negativ sein."), kErrorTitle);
        txtLenMin_->setFocus();
        return false;
    }
    // A minimum of 1 put in for an empty field can lie above a maximum below 1: the table
    // would have no term at all.
    if (TermCountOf(inputs) < 1) {
        ShowInputError(this, QStringLiteral("Die maximale Laufzeit muß größer als die minimale Laufzeit sein."),
                       kErrorTitle);
        txtLenMax_->clear();
        txtLenMax_->setFocus();
        return false;
    }
    const TableLimit limit = CheckTableLimits(inputs);
    if (limit == TableLimit::Ok) return true;
    ShowInputError(this, TableLimitMessage(limit), kErrorTitle);
    return false;
}

void ZinsSheet::ComputeTable(bool simple) {
    cmdCalcAmort_->setEnabled(false);
    if (!CheckInputs()) return;
    TableInputs inputs;
    inputs.baseAmount = baseAmount_;
    inputs.termMin = termMin_;
    inputs.termMax = termMax_;
    inputs.rateMin = rates_->Min();
    inputs.rateMax = rates_->Max();
    inputs.cycle = cycle_;
    inputs.kind = simple ? InterestKind::Simple : InterestKind::Compound;
    if (!CheckLimits(inputs)) return;

    bool shown = false;
    {
        const BusyPointer busy(this);
        auto table = std::make_shared<RateTermTable>(BuildRateTermTable(inputs));
        // The limit check looks at the corners of the table; this guards every other cell.
        if (TableIsFinite(*table)) {
            SetCycleCaptionsForTable();
            frmEart_->setText(simple ? QStringLiteral("; einfacher Zins") : QStringLiteral("; Zinseszins"));
            table_ = std::move(table);
            tableInputs_ = inputs;
            plan_.reset();
            ShowOverview();
            mnuOptCopy_->setEnabled(true);
            shown = true;
        }
    }
    if (!shown) ShowInputError(this, TableLimitMessage(TableLimit::OutOfRange), kErrorTitle);
}

void ZinsSheet::ShowOverview() {
    TablePage page = OverviewPage(table_, tableInputs_.cycle, grdPayments_->Region());
    page.head = {tableInputs_.cycle == InterestCycle::SavingsPlan ? QStringLiteral("Sparplantabelle")
                                                                  : QStringLiteral("Zinstabelle"),
                 InputLines(RangeLines(page))};
    rateTermGrid_->ShowTable(std::move(page));
}

QStringList ZinsSheet::InputLines(const QStringList& termsAndRates) const {
    const TableInputs& in = tableInputs_;
    const QString amount = ToQ(FormatNumber(in.baseAmount, "Currency"));
    QStringList lines{in.cycle == InterestCycle::SavingsPlan ? QStringLiteral("Betrag p.m.: ") + amount
                                                             : QStringLiteral("Kapital: ") + amount};
    lines << termsAndRates;
    // The cycle as its menu item names it.
    const QString cycle = mnuOptLen_[static_cast<std::size_t>(in.cycle)]->text().remove(QLatin1Char('&')).simplified();
    lines << QStringLiteral("Zinszyklus: ") + cycle;
    lines << (in.kind == InterestKind::Simple ? QStringLiteral("Zinsart: einfacher Zins")
                                              : QStringLiteral("Zinsart: Zinseszins"));
    return lines;
}

void ZinsSheet::grdPayments_Click() { cmdCalcAmort_->setEnabled(rateTermGrid_->TableCellChosen()); }

void ZinsSheet::grdPayments_DblClick() {
    grdPayments_Click();
    if (cmdCalcAmort_->isEnabled()) ShowDetailPlanOfCurrentCell();
}

void ZinsSheet::cmdCalcAmort_Click() { ShowDetailPlanOfCurrentCell(); }

void ZinsSheet::ShowDetailPlanOfCurrentCell() {
    int row = 0;
    int col = 0;
    if (!rateTermGrid_->CurrentTableCell(row, col)) return;
    // The plan belongs to the table on screen: its amount, cycle and kind, not what the
    // fields or the menu say since.
    const double rate = table_->Rate(static_cast<std::size_t>(row));
    const double term = table_->Term(static_cast<std::size_t>(col));
    const TableInputs& in = tableInputs_;
    PlanLimit limit = CheckPlanLimits(in.baseAmount, rate, term, in.cycle, in.kind);
    if (limit == PlanLimit::Ok) {
        const BusyPointer busy(this);
        auto plan = std::make_shared<DetailPlan>(BuildDetailPlan(in.baseAmount, rate, term, in.cycle, in.kind));
        if (PlanIsFinite(*plan)) {
            frmZAmort_->setText(ToQ(FormatGeneral(rate)) + QStringLiteral(" % p.a."));
            plan_ = std::move(plan);
            ShowDetailPlan(rate, col);
            cmdCalcAmort_->setEnabled(false);
        } else {
            limit = PlanLimit::OutOfRange;
        }
    }
    if (limit != PlanLimit::Ok) ShowInputError(this, PlanLimitMessage(limit), kErrorTitle);
}

void ZinsSheet::ShowDetailPlan(double rate, int col) {
    PlanPage page = DetailPlanPage(plan_, tableInputs_.cycle, tableInputs_.kind, grdPayments_->Region());
    const TablePage& table = rateTermGrid_->Table();
    page.head = {tableInputs_.cycle == InterestCycle::SavingsPlan ? QStringLiteral("Sparplan") : QStringLiteral("Zinsplan"),
                 InputLines({QStringLiteral("Laufzeit: ") + table.termLabel(col) + QLatin1Char(' ') + table.unitWord,
                             QStringLiteral("Zinssatz: ") + ToQ(FormatGeneral(rate)) + QStringLiteral(" %")})};
    rateTermGrid_->ShowPlan(std::move(page));
}

void ZinsSheet::mnuOptLen_Click(int index) {
    if (index < 0 || index >= static_cast<int>(mnuOptLen_.size())) return;
    mnuOptLen_[static_cast<std::size_t>(index)]->setChecked(true);  // the group unchecks the others
    cycle_ = static_cast<InterestCycle>(index);
    const CycleMenuCaptions& captions = kMenuCaptions[static_cast<std::size_t>(index)];
    frmLoanLen_->setTitle(QString::fromUtf8(captions.loanLen));
    frmZyklus_->setText(QString::fromUtf8(captions.zyklus));
    frmBez1_->setText(QString::fromUtf8(captions.bez1));
    const bool plan = index == kSavingsPlanIndex;
    cmdCalcPmts_->setText(plan ? QStringLiteral("SPARPLAN") : QStringLiteral("ZINSESZINS"));
    cmdEcalcPmts_->setEnabled(!plan);
    lblPurchTotl_->setText(plan ? QStringLiteral("Betrag p.m.") : QStringLiteral("KAPITAL"));
    if (plan) frmEart_->setText(QStringLiteral("; Zinseszins"));
    if (Reading(txtPurchTotl_->text()) > 0) cmdCalcPmts_Click();
}

void ZinsSheet::mnuOptCopy_Click() {
    const bool years = tableInputs_.cycle == InterestCycle::Yearly;
    rateTermGrid_->CopySelection(
        [this, years](int col) { return CopiedTermHeader(table_->Term(static_cast<std::size_t>(col)), years); });
}

void ZinsSheet::mnuOptTag_Click() { screens_.Open(ScreenId::frmKalender); }
void ZinsSheet::mnuOptTr_Click() { screens_.Open(ScreenId::Calculator); }
void ZinsSheet::mnuSYS_Click() { screens_.Open(ScreenId::frmCallDlls); }

void ZinsSheet::mnuOptInstruct_Click() {
    ShowNote(this,
             Paragraphs({
                 QStringLiteral("Wählen Sie aus der Menüleiste einen Zinszyklus (Standard=jährlich) oder den Sparplan. "
                                "Geben Sie das Anfangskapital oder einen monatl. Sparbetrag, die Laufzeit und den "
                                "Zinssatz ein.  Klicken Sie auf die Schaltfläche 'ZINSESZINS' oder 'SPARPLAN', um das "
                                "ENDKAPITAL rechts im Gitternetz anzuzeigen."),
                 QStringLiteral("Möchten Sie nach jedem Zinszyklus die Zinsen entnehmen und nicht wieder "
                                "mitverzinsen, dann wählen Sie die Schaltfläche 'einfacher Zins'."),
                 QStringLiteral("Wünschen Sie einen detaillierten Verzinsungsplan, markieren Sie ein ENDKAPITAL im "
                                "Gitternetz und klicken Sie auf die Schaltfläche 'detailliert'."),
                 QStringLiteral("Markieren Sie Zellen im Gitternetz und wählen Sie aus dem Menü Optionen den Befehl "
                                "Kopieren, um Daten in die Zwischenablage zu kopieren."),
                 QStringLiteral("In der 'rot' hinterlegten Zeile wird Ihnen der eingestellte Modus, Verzinsungsart "
                                "(einfacher Zins; Zinseszins) oder Sparplan, Verzinsungszyklus und der Zinssatz "
                                "angezeigt."),
             }),
             QStringLiteral("ZINSESZINSRECHNUNG-ANLEITUNG"));
}

void ZinsSheet::mnuHin_Click() {
    ShowNote(this,
             Paragraphs({QStringLiteral("ZINSRECHNUNG"), QStringLiteral("VERSION 1.2 "),
                         QStringLiteral("ZOLT Zinsprogramm, Neufassung mit Qt 6, 2026."),
                         QStringLiteral("Programmversion ") + QString::fromLatin1(kVersion)}),
             QStringLiteral("ZINSRECHNUNG-HINWEIS"));
}

void ZinsSheet::mnuOPtZurueck_Click() { hide(); }

}  // namespace zolt
