#include "ui/misc/frmRente.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

#include "ui/common/BusyPointer.h"
#include "ui/common/FormControls.h"
#include "ui/common/FormKit.h"
#include "ui/common/HintLine.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/QtText.h"
#include "ui/common/RowListModel.h"
#include "ui/common/TableExport.h"

namespace zolt {

namespace {
const QString kPerpetualTitle = QStringLiteral("Ewige Rente Fehlernachricht");
const QString kAnnuityTitle = QStringLiteral("Kapitalrente Fehlernachricht");
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
const QString kPerpetualHint =
    QStringLiteral("Es handelt sich um eine ewige Rente. Die monatl. Zinsen sind höher als die monatl. Entnahme.");
const QString kEndLine = QStringLiteral("---> Klicke hier auf Liste, Ende");
// The columns of the month table as a file: what each row of Liste1 shows.
const std::vector<ExportColumn> kMonthColumns{{QStringLiteral("Monat"), ExportKind::Number, 0},
                                              {QStringLiteral("Kapital"), ExportKind::Amount},
                                              {QStringLiteral("Zinsen/Monat"), ExportKind::Amount},
                                              {QStringLiteral("Kapital+Zinsen-Rente"), ExportKind::Amount}};

QLabel* RightLabel(QWidget* parent, const QString& name, const QString& caption, TwipsRect at) {
    QLabel* label = MakeLabel(parent, name, caption, at);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}
}  // namespace

frmRente::frmRente(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmRente"));
    setWindowTitle(QStringLiteral("Ewige Rente / Kapitalrente"));
    setFont(DialogFont());
    SetClientTwips(this, 9600, 6780);

    // The month table lies over the left part of the screen while it is shown (raised then).
    // It comes first in reading order, from the screen's top left corner.
    Rahmen6_ = MakeFrame(this, QStringLiteral("Rahmen6"), QStringLiteral("Rahmen6"), {120, 120, 6960, 5880});
    Rahmen6_->setAutoFillBackground(true);
    MakeLabel(Rahmen6_, QStringLiteral("Bezeichnung17"), QStringLiteral("*** KAPITALENTWICKLUNG ***"), {120, 240, 6720, 255})
        ->setAlignment(Qt::AlignCenter);
    MakeLabel(Rahmen6_, QStringLiteral("Bezeichnung18"),
              QStringLiteral("Monat                   Kapital               Zinsen/Monat           Kapital+Zinsen-Rente"),
              {120, 510, 6720, 255});
    const RowList list = MakeRowList(
        Rahmen6_, QStringLiteral("Liste1"),
        [this](int row) {
            const auto line = static_cast<std::size_t>(row);
            if (line < AnnuityTableLineCount(annuity_)) return ToQ(AnnuityTableLine(annuity_, line));
            return kEndLine;
        },
        {120, 780, 6720, 5070});
    tableModel_ = list.model;
    exports_ = TableActions::Attach(list.view, kAnnuityTitle, [this] { return MonthTable(); },
                                    [this] { return CapitalChart(); });
    exports_->SetAvailable(false);
    Rahmen6_->setVisible(false);

    // Left half: the perpetual annuity.
    MakeLabel(this, QStringLiteral("Bezeichnung15"), QStringLiteral("Ewige Rente, nur Zinsen werden aufgebraucht"),
              {120, 120, 4440, 255});
    QGroupBox* Rahmen1 = MakeFrame(this, QStringLiteral("Rahmen1"), QStringLiteral("Eingabedaten für Ewige Rente"),
                                   {120, 480, 4440, 2640});
    RightLabel(Rahmen1, QStringLiteral("Bezeichnung6"), QStringLiteral("Gewünschter Rentenbetrag  "), {120, 360, 2520, 255});
    RightLabel(Rahmen1, QStringLiteral("Bezeichnung1"), QStringLiteral("pro Monat  "), {120, 600, 2520, 255});
    Text1_ = MakeTextField(Rahmen1, QStringLiteral("Text1"), QString(), {2760, 420, 1440, 315});
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung2"), QStringLiteral("Nominaler Jahreszinssatz (in %)"),
              {120, 1080, 2640, 255});
    Kombi2_ = MakeRateBox(Rahmen1, QStringLiteral("Kombi2"), QStringLiteral("0,1"), {3000, 1020, 1200, 315});
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung3"), QStringLiteral("Inflation berücksichtigen ?"), {120, 1560, 2280, 255});
    Option1_ = MakeOption(Rahmen1, QStringLiteral("Option1"), QStringLiteral("Ja"), {2520, 1545, 720, 285});
    QRadioButton* Option2 = MakeOption(Rahmen1, QStringLiteral("Option2"), QStringLiteral("Nein"), {3360, 1545, 840, 285});
    Bezeichnung5_ = MakeLabel(Rahmen1, QStringLiteral("Bezeichnung5"), QStringLiteral("Jährliche Inflationsrate(in %)"),
                              {120, 2100, 2640, 255});
    Kombi3_ = MakeRateBox(Rahmen1, QStringLiteral("Kombi3"), QStringLiteral("0,0"), {3000, 2040, 1200, 315});

    QGroupBox* Rahmen2 = MakeFrame(this, QStringLiteral("Rahmen2"), QStringLiteral("Ausgabe Ewige Rente"), {120, 3240, 4440, 900});
    RightLabel(Rahmen2, QStringLiteral("Bezeichnung4"), QStringLiteral("Erforderliches Kapital "), {120, 420, 2040, 255});
    Text3_ = MakeOutputField(Rahmen2, QStringLiteral("Text3"), {2280, 360, 1920, 315});

    MakeLine(this, QStringLiteral("Linie1"), {4740, 120, 30, 4700})->setFrameShape(QFrame::VLine);

    // Right half: the capital annuity.
    MakeLabel(this, QStringLiteral("Bezeichnung16"), QStringLiteral("Kapitalrente, Kapital und Zinsen werden aufgebraucht"),
              {4920, 120, 4560, 255});
    QGroupBox* Rahmen4 = MakeFrame(this, QStringLiteral("Rahmen4"), QStringLiteral("Eingabedaten für Kapitalrente"),
                                   {4920, 480, 4560, 2640});
    RightLabel(Rahmen4, QStringLiteral("Bezeichnung8"), QStringLiteral("Zur Verfügung stehendes"), {120, 360, 2520, 255});
    RightLabel(Rahmen4, QStringLiteral("Bezeichnung9"), QStringLiteral("Startkapital  "), {120, 600, 2520, 255});
    Text5_ = MakeTextField(Rahmen4, QStringLiteral("Text5"), QString(), {2760, 420, 1560, 315});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung10"), QStringLiteral("Nominaler Jahreszinssatz (in %)"),
              {120, 1080, 2640, 255});
    Kombi1_ = MakeRateBox(Rahmen4, QStringLiteral("Kombi1"), QStringLiteral("0,1"), {3120, 1020, 1200, 315});
    RightLabel(Rahmen4, QStringLiteral("Bezeichnung11"), QStringLiteral("Monatliche Rente  "), {120, 1620, 2520, 255});
    Text6_ = MakeTextField(Rahmen4, QStringLiteral("Text6"), QString(), {2760, 1560, 1560, 315});

    QGroupBox* Rahmen5 =
        MakeFrame(this, QStringLiteral("Rahmen5"), QStringLiteral("Ausgabe Kapitalrente"), {4920, 3240, 4560, 1560});
    Text7_ = MakeOutputField(Rahmen5, QStringLiteral("Text7"), {240, 360, 1080, 315});
    MakeLabel(Rahmen5, QStringLiteral("Bezeichnung12"), QStringLiteral("Jahre"), {1440, 390, 840, 255});
    Text8_ = MakeOutputField(Rahmen5, QStringLiteral("Text8"), {2400, 360, 840, 315});
    MakeLabel(Rahmen5, QStringLiteral("Bezeichnung13"), QStringLiteral("Monate"), {3360, 390, 960, 255});
    MakeLabel(Rahmen5, QStringLiteral("Bezeichnung14"), QStringLiteral("Restbetrag"), {240, 780, 1800, 255});
    Text9_ = MakeOutputField(Rahmen5, QStringLiteral("Text9"), {240, 1050, 2160, 315});

    // Along the bottom: the hint and the buttons.
    QGroupBox* Rahmen3 = MakeFrame(this, QStringLiteral("Rahmen3"), QStringLiteral("Hinweis"), {120, 4920, 9360, 975});
    Bezeichnung7_ = MakeLabel(Rahmen3, QStringLiteral("Bezeichnung7"), QString(), {120, 300, 9120, 555});
    Bezeichnung7_->setWordWrap(true);
    QPushButton* Befehl3 = MakeButton(this, QStringLiteral("Befehl3"), QStringLiteral("Z"), {120, 6120, 495, 495});
    QPushButton* Befehl1 =
        MakeButton(this, QStringLiteral("Befehl1"), QStringLiteral("Berechnung Ewige Rente"), {840, 6120, 3480, 495});
    QPushButton* Befehl2 = MakeButton(this, QStringLiteral("Befehl2"), QStringLiteral("Berechnung "), {4920, 6120, 2160, 495});
    Befehl4_ = MakeButton(this, QStringLiteral("Befehl4"), QStringLiteral("Details"), {7320, 6120, 2160, 495});
    Befehl4_->setEnabled(false);


    connect(Option1_, &QRadioButton::toggled, this, [this](bool checked) { if (checked) Option1_Click(); });
    connect(Option2, &QRadioButton::toggled, this, [this](bool checked) { if (checked) Option2_Click(); });
    connect(Kombi2_, &QComboBox::activated, this, &frmRente::Kombi2_Click);
    connect(Kombi3_, &QComboBox::activated, this, &frmRente::Kombi3_Click);
    connect(Befehl1, &QPushButton::clicked, this, &frmRente::Befehl1_Click);
    connect(Befehl2, &QPushButton::clicked, this, &frmRente::Befehl2_Click);
    connect(Befehl3, &QPushButton::clicked, this, &frmRente::Befehl3_Click);
    connect(Befehl4_, &QPushButton::clicked, this, &frmRente::Befehl4_Click);
    connect(list.view, &QListView::clicked, this, &frmRente::Liste1_Click);
    auto* hint = new HintLine(Bezeichnung7_);
    hint->ShowOver(Befehl3, QStringLiteral("Zurück zum Auswahlmenü"));
    hint->ClearOver(this);
    FocusOnActivation(this, Text1_);
    OrderTabsByReading(this);
    Option2->setChecked(true);
    CenterOnDesktop(this);
}

void frmRente::Option1_Click() {
    Kombi3_->setVisible(true);
    Bezeichnung5_->setVisible(true);
    Bezeichnung7_->setText(QStringLiteral("Es werden nur die Zinsen aufgebraucht. Das Kapital wird nicht angetastet."));
}

void frmRente::Option2_Click() {
    Kombi3_->setVisible(false);
    Bezeichnung5_->setVisible(false);
    Bezeichnung7_->clear();
}

void frmRente::Kombi2_Click() {
    if (Option1_->isChecked())
        Bezeichnung7_->setText(QStringLiteral("Der Nominale Jahreszinsatz muß größer als die jähliche Inflationsrate sein."));
}

void frmRente::Kombi3_Click() {
    if (Option1_->isChecked())
        Bezeichnung7_->setText(QStringLiteral("Die Inflationsrate muß kleiner als der jährliche Nominalzinssatz sein."));
}

void frmRente::Befehl1_Click() {
    // The rate boxes take any typed text, so they are checked with the wished annuity.
    PerpetualInputs in;
    if (Option1_->isChecked()) {
        const auto values = ReadOrRefuse({this, kPerpetualTitle}, {Text1_, Kombi2_, Kombi3_}, NumberReading::Locale);
        if (!values) return;
        const auto [annuity, rate, inflation] = *values;
        in = {annuity, rate, inflation};
    } else {
        const auto values = ReadOrRefuse({this, kPerpetualTitle}, {Text1_, Kombi2_}, NumberReading::Locale);
        if (!values) return;
        const auto [annuity, rate] = *values;
        in = {annuity, rate, std::nullopt};
    }
    const PerpetualResult result = PerpetualCapital(in);
    switch (result.error) {
        case PerpetualError::None:
            WriteCurrency(Text3_, result.capital);
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
    tableModel_->Reset(0, [this] { annuity_ = {}; });
    Befehl4_->setEnabled(true);
    const auto values = ReadOrRefuse({this, kAnnuityTitle}, {Text5_, Kombi1_, Text6_});
    if (!values) {
        ShowTable({});  // the closing line alone; the results keep their contents
        return;
    }
    const auto [startCapital, nominalRate, monthlyAnnuity] = *values;
    CapitalAnnuityResult result;
    {
        // The hourglass over the screen while the months run; a box afterwards gets the normal pointer.
        const BusyPointer busy(this);
        result = CapitalAnnuity({startCapital, nominalRate, monthlyAnnuity});
    }
    ShowTable(std::move(result),
              {QStringLiteral("Startkapital: ") + ToQ(FormatNumber(startCapital, "Currency")),
               QStringLiteral("Nominaler Jahreszinssatz: ") + ToQ(FormatNumber(nominalRate, "#,##0.0###")) + QStringLiteral(" %"),
               QStringLiteral("Monatliche Rente: ") + ToQ(FormatNumber(monthlyAnnuity, "Currency"))});
    ShowResults(annuity_);
}

void frmRente::ShowResults(const CapitalAnnuityResult& result) {
    switch (result.outcome) {
        case AnnuityOutcome::UsedUp:
            Text7_->setText(QString::number(result.years));
            Text8_->setText(QString::number(result.months));
            WriteCurrency(Text9_, result.remaining);
            return;
        case AnnuityOutcome::Perpetual:
            // Months and rest keep what an earlier calculation wrote.
            Text7_->setText(QStringLiteral("ewig"));
            Bezeichnung7_->setText(kPerpetualHint);
            return;
        case AnnuityOutcome::TooLong:
            // At the limit the capital is not used up: no years, months or rest to stand beside the
            // table of the new entries.
            Text7_->clear();
            Text8_->clear();
            Text9_->clear();
            ShowNote(this, kTooLong, kAnnuityTitle);
            return;
        case AnnuityOutcome::OutOfRange:
            ShowInputError(this, ResultTooLargeText(), kAnnuityTitle);
            return;
    }
}

void frmRente::ShowTable(CapitalAnnuityResult table, QStringList inputs) {
    // The table rows, then the closing line (alone after a refused input).
    const auto lines = static_cast<int>(AnnuityTableLineCount(table)) + 1;
    tableModel_->Reset(lines, [&] {
        annuity_ = std::move(table);
        annuityInputs_ = std::move(inputs);
    });
    exports_->SetAvailable(!annuity_.capitals.empty());
}

std::optional<ExportTable> frmRente::MonthTable() const {
    // One row per month; the "*** Rest ***" line before the last month carries no numbers.
    if (annuity_.capitals.empty()) return std::nullopt;
    return ExportTable{QStringLiteral("Kapitalrente"),
                       windowTitle(),
                       annuityInputs_,
                       kMonthColumns,
                       static_cast<qsizetype>(annuity_.capitals.size()),
                       [this](qsizetype row, int col) -> ExportCell {
                           const AnnuityMonth month = AnnuityTableMonth(annuity_, static_cast<std::size_t>(row));
                           const double values[] = {static_cast<double>(month.month), month.capital, month.interest,
                                                    month.remainder};
                           return values[col];
                       },
                       {}};
}

std::optional<ChartSpec> frmRente::CapitalChart() const {
    if (annuity_.capitals.empty()) return std::nullopt;
    return ChartSpec{QStringLiteral("Kapitalentwicklung"), QStringLiteral("Monat"), QStringLiteral("Kapital (€)"), {}, 0,
                     {{QStringLiteral("Kapital"), ChartSeries::Kind::Line, 1}}, std::nullopt, {}};
}

void frmRente::Befehl4_Click() {
    Rahmen6_->setVisible(true);
    Rahmen6_->raise();
}

void frmRente::Liste1_Click() { Rahmen6_->setVisible(false); }

void frmRente::Befehl3_Click() { hide(); }

}  // namespace zolt
