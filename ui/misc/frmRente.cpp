#include "ui/misc/frmRente.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "ui/common/BusyPointer.h"
#include "ui/common/FormControls.h"
#include "ui/common/FormKit.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/QtText.h"
#include "ui/common/RowListModel.h"
#include "ui/common/ScreenSlots.h"

namespace zolt {

namespace {
const QString kPerpetualTitle = QStringLiteral("Ewige Rente Fehlernachricht");
const QString kAnnuityTitle = QStringLiteral("Kapitalrente Fehlernachricht");
const QString kNotNumeric = QStringLiteral("Eingegebene Daten sind nicht numerisch.");
const QString kZeroRate = QStringLiteral(
    "Bei einem Zinssatz von 0 % bringt kein Kapital Zinsen, aus denen eine Rente gezahlt werden könnte. "
    "Bitte einen Zinssatz größer als 0 wählen.");
const QString kRateEqualsInflation = QStringLiteral(
    "Nominalzinssatz und Inflationsrate sind gleich: es bleibt kein Zins, aus dem eine Rente gezahlt werden "
    "könnte. Der Nominale Jahreszinssatz muß größer als die jährliche Inflationsrate sein.");
static_assert(kMaxAnnuityMonths == 1'200'000, "the message names the limit");
const QString kTooLong = QStringLiteral(
    "Das Kapital reicht länger als 100.000 Jahre (1.200.000 Monate). Die Berechnung wurde dort beendet; "
    "die Tabelle zeigt die Kapitalentwicklung bis dahin.");

const QString kInflationHint =
    QStringLiteral("Es werden nur die Zinsen aufgebraucht. Das Kapital wird nicht angetastet.");
const QString kRateHint = QStringLiteral("Der Nominale Jahreszinsatz muß größer als die jähliche Inflationsrate sein.");
const QString kInflationRateHint =
    QStringLiteral("Die Inflationsrate muß kleiner als der jährliche Nominalzinssatz sein.");
const QString kPerpetualHint =
    QStringLiteral("Es handelt sich um eine ewige Rente. Die monatl. Zinsen sind höher als die monatl. Entnahme.");
const QString kBackHint = QStringLiteral("Zurück zum Auswahlmenü");
const QString kEndLine = QStringLiteral("---> Klicke hier auf Liste, Ende");

QLabel* RightLabel(QWidget* parent, const QString& name, const QString& caption, TwipsRect at) {
    QLabel* label = MakeLabel(parent, name, caption, at);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}
}  // namespace

frmRente::frmRente(ScreenSlots& screens, QWidget* parent) : QWidget(parent), screens_(screens) {
    setObjectName(QStringLiteral("frmRente"));
    setWindowTitle(QStringLiteral("Ewige Rente / Kapitalrente"));
    setFont(DialogFont());
    BuildControls();
    Form_Load();
}

void frmRente::BuildControls() {
    SetClientTwips(this, 9600, 6780);

    // Left half: the perpetual annuity.
    Bezeichnung15 = MakeLabel(this, QStringLiteral("Bezeichnung15"),
                              QStringLiteral("Ewige Rente, nur Zinsen werden aufgebraucht"), {120, 120, 4440, 255});
    Rahmen1 = MakeFrame(this, QStringLiteral("Rahmen1"), QStringLiteral("Eingabedaten für Ewige Rente"),
                        {120, 480, 4440, 2640});
    Bezeichnung6 = RightLabel(Rahmen1, QStringLiteral("Bezeichnung6"), QStringLiteral("Gewünschter Rentenbetrag  "),
                              {120, 360, 2520, 255});
    Bezeichnung1 =
        RightLabel(Rahmen1, QStringLiteral("Bezeichnung1"), QStringLiteral("pro Monat  "), {120, 600, 2520, 255});
    Text1 = MakeTextField(Rahmen1, QStringLiteral("Text1"), QString(), {2760, 420, 1440, 315});
    Bezeichnung2 = MakeLabel(Rahmen1, QStringLiteral("Bezeichnung2"), QStringLiteral("Nominaler Jahreszinssatz (in %)"),
                             {120, 1080, 2640, 255});
    Kombi2 = MakeRateBox(Rahmen1, QStringLiteral("Kombi2"), QStringLiteral("0,1"), {3000, 1020, 1200, 315});
    Bezeichnung3 = MakeLabel(Rahmen1, QStringLiteral("Bezeichnung3"), QStringLiteral("Inflation berücksichtigen ?"),
                             {120, 1560, 2280, 255});
    Option1 = MakeOption(Rahmen1, QStringLiteral("Option1"), QStringLiteral("Ja"), {2520, 1545, 720, 285});
    Option2 = MakeOption(Rahmen1, QStringLiteral("Option2"), QStringLiteral("Nein"), {3360, 1545, 840, 285});
    Bezeichnung5 = MakeLabel(Rahmen1, QStringLiteral("Bezeichnung5"), QStringLiteral("Jährliche Inflationsrate(in %)"),
                             {120, 2100, 2640, 255});
    Kombi3 = MakeRateBox(Rahmen1, QStringLiteral("Kombi3"), QStringLiteral("0,0"), {3000, 2040, 1200, 315});

    Rahmen2 = MakeFrame(this, QStringLiteral("Rahmen2"), QStringLiteral("Ausgabe Ewige Rente"), {120, 3240, 4440, 900});
    Bezeichnung4 = RightLabel(Rahmen2, QStringLiteral("Bezeichnung4"), QStringLiteral("Erforderliches Kapital "),
                              {120, 420, 2040, 255});
    Text3 = MakeOutputField(Rahmen2, QStringLiteral("Text3"), {2280, 360, 1920, 315});

    Linie1 = MakeLine(this, QStringLiteral("Linie1"), {4740, 120, 30, 4700});
    Linie1->setFrameShape(QFrame::VLine);

    // Right half: the capital annuity.
    Bezeichnung16 =
        MakeLabel(this, QStringLiteral("Bezeichnung16"),
                  QStringLiteral("Kapitalrente, Kapital und Zinsen werden aufgebraucht"), {4920, 120, 4560, 255});
    Rahmen4 = MakeFrame(this, QStringLiteral("Rahmen4"), QStringLiteral("Eingabedaten für Kapitalrente"),
                        {4920, 480, 4560, 2640});
    Bezeichnung8 = RightLabel(Rahmen4, QStringLiteral("Bezeichnung8"), QStringLiteral("Zur Verfügung stehendes"),
                              {120, 360, 2520, 255});
    Bezeichnung9 =
        RightLabel(Rahmen4, QStringLiteral("Bezeichnung9"), QStringLiteral("Startkapital  "), {120, 600, 2520, 255});
    Text5 = MakeTextField(Rahmen4, QStringLiteral("Text5"), QString(), {2760, 420, 1560, 315});
    Bezeichnung10 = MakeLabel(Rahmen4, QStringLiteral("Bezeichnung10"),
                              QStringLiteral("Nominaler Jahreszinssatz (in %)"), {120, 1080, 2640, 255});
    Kombi1 = MakeRateBox(Rahmen4, QStringLiteral("Kombi1"), QStringLiteral("0,1"), {3120, 1020, 1200, 315});
    Bezeichnung11 = RightLabel(Rahmen4, QStringLiteral("Bezeichnung11"), QStringLiteral("Monatliche Rente  "),
                               {120, 1620, 2520, 255});
    Text6 = MakeTextField(Rahmen4, QStringLiteral("Text6"), QString(), {2760, 1560, 1560, 315});

    Rahmen5 =
        MakeFrame(this, QStringLiteral("Rahmen5"), QStringLiteral("Ausgabe Kapitalrente"), {4920, 3240, 4560, 1560});
    Text7 = MakeOutputField(Rahmen5, QStringLiteral("Text7"), {240, 360, 1080, 315});
    Bezeichnung12 = MakeLabel(Rahmen5, QStringLiteral("Bezeichnung12"), QStringLiteral("Jahre"), {1440, 390, 840, 255});
    Text8 = MakeOutputField(Rahmen5, QStringLiteral("Text8"), {2400, 360, 840, 315});
    Bezeichnung13 =
        MakeLabel(Rahmen5, QStringLiteral("Bezeichnung13"), QStringLiteral("Monate"), {3360, 390, 960, 255});
    Bezeichnung14 =
        MakeLabel(Rahmen5, QStringLiteral("Bezeichnung14"), QStringLiteral("Restbetrag"), {240, 780, 1800, 255});
    Text9 = MakeOutputField(Rahmen5, QStringLiteral("Text9"), {240, 1050, 2160, 315});

    // Along the bottom: the hint and the buttons.
    Rahmen3 = MakeFrame(this, QStringLiteral("Rahmen3"), QStringLiteral("Hinweis"), {120, 4920, 9360, 975});
    Bezeichnung7 = MakeLabel(Rahmen3, QStringLiteral("Bezeichnung7"), QString(), {120, 300, 9120, 555});
    Bezeichnung7->setWordWrap(true);
    Befehl3 = MakeButton(this, QStringLiteral("Befehl3"), QStringLiteral("Z"), {120, 6120, 495, 495});
    Befehl1 =
        MakeButton(this, QStringLiteral("Befehl1"), QStringLiteral("Berechnung Ewige Rente"), {840, 6120, 3480, 495});
    Befehl2 = MakeButton(this, QStringLiteral("Befehl2"), QStringLiteral("Berechnung "), {4920, 6120, 2160, 495});
    Befehl4 = MakeButton(this, QStringLiteral("Befehl4"), QStringLiteral("Details"), {7320, 6120, 2160, 495});
    Befehl4->setEnabled(false);

    // The month table lies over the left part of the screen while it is shown.
    Rahmen6 = MakeFrame(this, QStringLiteral("Rahmen6"), QStringLiteral("Rahmen6"), {120, 120, 6960, 5880});
    Rahmen6->setAutoFillBackground(true);
    Bezeichnung17 = MakeLabel(Rahmen6, QStringLiteral("Bezeichnung17"), QStringLiteral("*** KAPITALENTWICKLUNG ***"),
                              {120, 240, 6720, 255});
    Bezeichnung17->setAlignment(Qt::AlignCenter);
    Bezeichnung18 = MakeLabel(
        Rahmen6, QStringLiteral("Bezeichnung18"),
        QStringLiteral("Monat                   Kapital               Zinsen/Monat           Kapital+Zinsen-Rente"),
        {120, 510, 6720, 255});
    const RowList list = MakeRowList(
        Rahmen6, QStringLiteral("Liste1"),
        [this](int row) {
            const auto line = static_cast<std::size_t>(row);
            if (line < AnnuityTableLineCount(annuity_)) return ToQ(AnnuityTableLine(annuity_, line));
            return kEndLine;
        },
        {120, 780, 6720, 5070});
    Liste1 = list.view;
    tableModel_ = list.model;
    Rahmen6->setVisible(false);

    connect(Option1, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) Option2_Click();
    });
    connect(Kombi2, &QComboBox::activated, this, [this] { Kombi2_Click(); });
    connect(Kombi3, &QComboBox::activated, this, [this] { Kombi3_Click(); });
    connect(Befehl1, &QPushButton::clicked, this, [this] { Befehl1_Click(); });
    connect(Befehl2, &QPushButton::clicked, this, [this] { Befehl2_Click(); });
    connect(Befehl3, &QPushButton::clicked, this, [this] { Befehl3_Click(); });
    connect(Befehl4, &QPushButton::clicked, this, [this] { Befehl4_Click(); });
    connect(Liste1, &QListView::clicked, this, [this] { Liste1_Click(); });
    Befehl3->setMouseTracking(true);
    Befehl3->installEventFilter(this);
    setMouseTracking(true);
}

void frmRente::Form_Load() {
    Option2->setChecked(true);
    // The list box's height of 5070 twips.
    PlaceTwips(Liste1, 120, 780, 6720, 5070);
    CenterOnDesktop(this);
}

void frmRente::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
    QWidget::changeEvent(event);
}

void frmRente::Form_Activate() { Text1->setFocus(); }

void frmRente::mouseMoveEvent(QMouseEvent* event) {
    // Only moves over the window itself, not those passed on from the controls on it.
    if (!childAt(event->position().toPoint())) Bezeichnung7->clear();
    QWidget::mouseMoveEvent(event);
}

bool frmRente::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Befehl3 && event->type() == QEvent::MouseMove) Befehl3_MouseMove();
    return QWidget::eventFilter(watched, event);
}

void frmRente::Option1_Click() {
    Kombi3->setVisible(true);
    Bezeichnung5->setVisible(true);
    Bezeichnung7->setText(kInflationHint);
}

void frmRente::Option2_Click() {
    Kombi3->setVisible(false);
    Bezeichnung5->setVisible(false);
    Bezeichnung7->clear();
}

void frmRente::Kombi2_Click() {
    if (Option1->isChecked()) Bezeichnung7->setText(kRateHint);
}

void frmRente::Kombi3_Click() {
    if (Option1->isChecked()) Bezeichnung7->setText(kInflationRateHint);
}

void frmRente::Befehl1_Click() {
    // The rate boxes take any typed text, so they are checked with the wished annuity.
    const bool inflation = Option1->isChecked();
    const auto values = inflation ? ReadLocaleFields({Text1, Kombi2, Kombi3}) : ReadLocaleFields({Text1, Kombi2});
    if (!values) {
        ShowInputError(this, kNotNumeric, kPerpetualTitle);
        return;
    }
    PerpetualInputs in;
    in.monthlyAnnuity = (*values)[0];
    in.nominalRate = (*values)[1];
    if (inflation) in.inflationRate = (*values)[2];
    const PerpetualResult result = PerpetualCapital(in);
    switch (result.error) {
        case PerpetualError::None:
            WriteCurrency(Text3, result.capital);
            return;
        case PerpetualError::ZeroRate:
            ShowInputError(this, kZeroRate, kPerpetualTitle);
            return;
        case PerpetualError::RateEqualsInflation:
            ShowInputError(this, kRateEqualsInflation, kPerpetualTitle);
            return;
        case PerpetualError::OutOfRange:
            ShowInputError(this, ResultTooLargeText(), kPerpetualTitle);
            return;
    }
}

void frmRente::Befehl2_Click() {
    const BusyPointer busy(this);
    tableModel_->Reset(0, [this] { annuity_ = {}; });
    Befehl4->setEnabled(true);
    ShowTable(ComputeCapitalAnnuity());
}

CapitalAnnuityResult frmRente::ComputeCapitalAnnuity() {
    bool overflow = false;
    const auto values = ReadCurrencyFields({Text5, Kombi1, Text6}, &overflow);
    if (!values) {
        ShowInputError(this, overflow ? NumberTooLargeText() : kNotNumeric, kAnnuityTitle);
        return {};
    }
    CapitalAnnuityResult result = CapitalAnnuity({(*values)[0], (*values)[1], (*values)[2]});
    switch (result.outcome) {
        case AnnuityOutcome::UsedUp:
            Text7->setText(QString::number(result.years));
            Text8->setText(QString::number(result.months));
            WriteCurrency(Text9, result.remaining);
            break;
        case AnnuityOutcome::Perpetual:
            Text7->setText(QStringLiteral("ewig"));
            Bezeichnung7->setText(kPerpetualHint);
            break;
        case AnnuityOutcome::TooLong:
            ShowInputError(this, kTooLong, kAnnuityTitle);
            break;
        case AnnuityOutcome::OutOfRange:
            ShowInputError(this, ResultTooLargeText(), kAnnuityTitle);
            return {};
    }
    return result;
}

void frmRente::ShowTable(CapitalAnnuityResult table) {
    // The table rows, then the closing line (alone after a refused input).
    const auto lines = static_cast<int>(AnnuityTableLineCount(table)) + 1;
    tableModel_->Reset(lines, [&] { annuity_ = std::move(table); });
}

void frmRente::Befehl4_Click() {
    Rahmen6->setVisible(true);
    Rahmen6->raise();
}

void frmRente::Liste1_Click() { Rahmen6->setVisible(false); }

void frmRente::Befehl3_MouseMove() { Bezeichnung7->setText(kBackHint); }

void frmRente::Befehl3_Click() { hide(); }

}  // namespace zolt
