#include "ui/savings/frmExtra.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

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
const QString kTitle = QStringLiteral("Extra-Sparen Fehlernachricht");
const QString kNotNumeric =
    QStringLiteral("Eingegebene Daten sind nicht numerisch, oder es wurden nicht alle Daten eingegeben.");
const QString kEndLine = QStringLiteral("Klick hier --> Ende");
// The columns of the year table as a file: what each row of Liste1 shows.
const std::vector<ExportColumn> kYearColumns{{QStringLiteral("Jahr"), ExportKind::Number, 0},
                                             {QStringLiteral("Startkapital"), ExportKind::Amount},
                                             {QStringLiteral("Zinsen"), ExportKind::Amount},
                                             {QStringLiteral("eff. Zins"), ExportKind::Percent, 2},
                                             {QStringLiteral("Endkapital"), ExportKind::Amount}};
}  // namespace

frmExtra::frmExtra(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmExtra"));
    setWindowTitle(QStringLiteral("Plussparen-Extrasparen"));
    setFont(DialogFont());
    SetClientTwips(this, 8760, 4800);

    QGroupBox* Rahmen1 = MakeFrame(this, QStringLiteral("Rahmen1"), QStringLiteral("Dateneingabe"), {120, 120, 4920, 4560});
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung1"), QStringLiteral("Angelegter Betrag   ->"), {180, 375, 2640, 255});
    Text1_ = MakeTextField(Rahmen1, QStringLiteral("Text1"), QString(), {2880, 330, 1860, 315});
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung7"), QStringLiteral("Anzahl der Zinzahlungen/Jahr"), {180, 795, 2640, 255});
    Text4_ = MakeTextField(Rahmen1, QStringLiteral("Text4"), QString(), {2880, 750, 1860, 315});
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung6"), QStringLiteral("Nominaler Jahreszinsatz (in %)"), {180, 1215, 2640, 255});
    Kombi5_ = MakeRateBox(Rahmen1, QStringLiteral("Kombi5"), QStringLiteral("0,0"), {2880, 1170, 1860, 315});
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung2"), QStringLiteral("Laufzeit in Jahren"), {180, 1635, 2640, 255});
    Text5_ = MakeTextField(Rahmen1, QStringLiteral("Text5"), QString(), {2880, 1590, 1860, 315});
    MakeLine(Rahmen1, QStringLiteral("Linie1"), {120, 2070, 4680, 30});
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung8"), QStringLiteral("Zinssatzerhöhung ab Guthaben von"), {180, 2220, 4500, 255});
    // Each step: "ab €" label, threshold, rate box, "%" label. The second label has a trailing blank.
    const std::array<const char*, kRateSteps> stepLabels{"ab", "Bezeichnung3", "Bezeichnung4", "Bezeichnung5"};
    const std::array<const char*, kRateSteps> percentLabels{"Bezeichnung9", "Bezeichnung10", "Bezeichnung13",
                                                            "Bezeichnung15"};
    for (int k = 0; k < kRateSteps; ++k) {
        const int top = 2580 + k * 450;
        const auto i = static_cast<std::size_t>(k);
        MakeLabel(Rahmen1, QString::fromLatin1(stepLabels[i]), k == 1 ? QStringLiteral("ab € ") : QStringLiteral("ab €"),
                  {180, top + 45, 720, 255});
        thresholds_[i] = MakeTextField(Rahmen1, QStringLiteral("Text%1").arg(6 + k), QString(), {960, top, 1860, 315});
        stepRates_[i] = MakeRateBox(Rahmen1, QStringLiteral("Kombi%1").arg(1 + k), QStringLiteral("0,0"), {2880, top, 1320, 315});
        MakeLabel(Rahmen1, QString::fromLatin1(percentLabels[i]), QStringLiteral("%"), {4320, top + 45, 360, 255});
    }

    QGroupBox* Rahmen3 = MakeFrame(this, QStringLiteral("Rahmen3"), QStringLiteral("Ergebnisse"), {5160, 120, 3480, 1920});
    MakeLabel(Rahmen3, QStringLiteral("Bezeichnung11"), QStringLiteral("Betrag am Ende der Laufzeit"), {180, 300, 3120, 255});
    Text2_ = MakeOutputField(Rahmen3, QStringLiteral("Text2"), {180, 570, 3120, 420});
    MakeLabel(Rahmen3, QStringLiteral("Bezeichnung12"), QStringLiteral("Davon Zinsen"), {180, 1110, 3120, 255});
    Text3_ = MakeOutputField(Rahmen3, QStringLiteral("Text3"), {180, 1380, 3120, 420});
    Text2_->setFont(ResultFont());
    Text3_->setFont(ResultFont());

    QGroupBox* Rahmen2 = MakeFrame(this, QStringLiteral("Rahmen2"), QStringLiteral("Hinweis"), {5160, 2160, 3480, 1080});
    QLabel* Bezeichnung14 = MakeLabel(Rahmen2, QStringLiteral("Bezeichnung14"), QString(), {180, 270, 3120, 720});
    Bezeichnung14->setWordWrap(true);
    Bezeichnung14->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QPushButton* Befehl1 = MakeButton(this, QStringLiteral("Befehl1"), QStringLiteral("Berechnen"), {5820, 3330, 2160, 405});
    Befehl3_ = MakeButton(this, QStringLiteral("Befehl3"), QStringLiteral("Details"), {5820, 3780, 2160, 405});
    QPushButton* Befehl2 = MakeButton(this, QStringLiteral("Befehl2"), QStringLiteral("Beenden"), {5820, 4230, 2160, 405});
    Befehl3_->setVisible(false);

    // The details lie over the upper part of the screen; a click into the table closes them.
    Rahmen4_ = MakeFrame(this, QStringLiteral("Rahmen4"), QStringLiteral("Details"), {120, 120, 8520, 3180});
    Rahmen4_->setAutoFillBackground(true);  // covers the entry frame instead of showing through
    MakeLabel(Rahmen4_, QStringLiteral("Bezeichnung17"), QStringLiteral("**** JÄHLICHE KAPITALENTWICKLUNG ****"),
              {180, 270, 8160, 255})
        ->setAlignment(Qt::AlignCenter);
    MakeLabel(Rahmen4_, QStringLiteral("Bezeichnung16"),
              QStringLiteral("Jahr             Startkapital                   Zinsen                       eff. Zins      "
                             "             Endkapital"),
              {180, 570, 8160, 255});
    const RowList list =
        MakeRowList(Rahmen4_, QStringLiteral("Liste1"), [this](int row) { return RowText(row); }, {180, 870, 8160, 2130});
    rows_ = list.model;
    exports_ = TableActions::Attach(list.view, kTitle, [this] { return YearTable(); }, [this] { return BalanceChart(); });
    exports_->SetAvailable(false);
    Rahmen4_->setVisible(false);

    connect(Befehl1, &QPushButton::clicked, this, &frmExtra::Befehl1_Click);
    connect(Befehl2, &QPushButton::clicked, this, &frmExtra::Befehl2_Click);
    connect(Befehl3_, &QPushButton::clicked, this, &frmExtra::Befehl3_Click);
    connect(list.view, &QListView::clicked, this, &frmExtra::Liste1_Click);

    auto* hint = new HintLine(Bezeichnung14);
    hint->ShowOnFocus(stepRates_[0], QStringLiteral("Der Zinssatz sollte größer als der Ausgangszinssatz sein."));
    for (std::size_t k = 1; k < kRateSteps; ++k)
        hint->ShowOnFocus(stepRates_[k], QStringLiteral("Der Zinssatz sollte größer als der vorherige Zinssatz sein."));
    hint->ShowOver(Text4_,
                   QStringLiteral("Bei mehr als einer Zinszahlung/Jahr ist der eff. Jahreszins höher als Nominalzins."));
    hint->ShowOver(thresholds_[0], QStringLiteral("Der Betrag sollte größer als das Anfangskapital sein."));
    for (std::size_t k = 1; k < kRateSteps; ++k)
        hint->ShowOver(thresholds_[k], QStringLiteral("Der Betrag sollte größer als der vorherige Betrag sein."));
    hint->ClearOver(Rahmen1);
    OrderTabsByReading(this);
    CenterOnDesktop(this);
}

std::optional<RisingRateInputs> frmExtra::ReadInputs() {
    // Amount, payment count and term are the checked fields; the rate boxes and the
    // thresholds take any typed text and are checked the same way before they are used.
    const Refusal refusal{this, kTitle, kNotNumeric};
    const auto values = ReadOrRefuse(
        refusal, {Text1_, Text4_, Text5_, Kombi5_, stepRates_[0], stepRates_[1], stepRates_[2], stepRates_[3]});
    if (!values) return std::nullopt;
    const auto [amount, paymentsPerYear, years, baseRate, rate1, rate2, rate3, rate4] = *values;
    RisingRateInputs in{amount, paymentsPerYear, years, baseRate, {}, {rate1, rate2, rate3, rate4}};
    for (std::size_t k = 0; k < kRateSteps; ++k) {
        // An empty threshold (blanks alone look empty too) leaves its step at 0.
        if (thresholds_[k]->text().trimmed().isEmpty()) continue;
        const auto threshold = ReadOrRefuse(refusal, {thresholds_[k]});
        if (!threshold) return std::nullopt;
        in.thresholds[k] = (*threshold)[0];
    }
    return in;
}

void frmExtra::Befehl1_Click() {
    // Every refusal ends here like a non-numeric entry: the table keeps its rows and gains
    // the end line, the results keep their contents, "Details" becomes visible.
    if (const auto in = ReadInputs()) {
        RisingRateResult result = ComputeRisingRate(*in);
        switch (result.error) {
            case RisingRateError::None:
                ShowResult(std::move(result), *in);
                break;
            case RisingRateError::TooManyPeriods:
                static_assert(kMaxRisingRatePeriods == 1'000'000, "the message names the limit");
                ShowInputError(this,
                               QStringLiteral("Zu viele Zinsperioden: Anzahl der Zinszahlungen/Jahr mal Laufzeit in "
                                              "Jahren darf höchstens 1.000.000 betragen."),
                               kTitle);
                break;
            case RisingRateError::NotFinite:
                ShowInputError(this, ResultTooLargeText(), kTitle);
                break;
        }
    }
    rows_->Append(1, [this] { ++endLines_; });
    Befehl3_->setVisible(true);
}

void frmExtra::ShowResult(RisingRateResult&& result, const RisingRateInputs& in) {
    const auto rate = [](double percent) { return ToQ(FormatNumber(percent, "#,##0.0###")) + QStringLiteral(" %"); };
    QStringList inputs{QStringLiteral("Angelegter Betrag: ") + ToQ(FormatNumber(in.amount, "Currency")),
                       QStringLiteral("Zinszahlungen pro Jahr: ") + ToQ(FormatGeneral(in.paymentsPerYear)),
                       QStringLiteral("Nominaler Jahreszinssatz: ") + rate(in.baseRate),
                       QStringLiteral("Laufzeit in Jahren: ") + ToQ(FormatGeneral(in.years))};
    for (std::size_t k = 0; k < kRateSteps; ++k) {
        if (in.thresholds[k] != 0)
            inputs << QStringLiteral("Zinssatz ab %1: %2")
                          .arg(ToQ(FormatNumber(in.thresholds[k], "Currency")), rate(in.stepRates[k]));
    }
    rows_->Reset(static_cast<int>(result.years.size()), [&] {
        years_ = std::move(result.years);
        yearsInputs_ = std::move(inputs);
        endLines_ = 0;
    });
    exports_->SetAvailable(!years_.empty());
    WriteCurrency(Text2_, result.endAmount);
    WriteCurrency(Text3_, result.interest);
}

QString frmExtra::RowText(int row) const {
    if (row < static_cast<int>(years_.size())) return ToQ(RisingRateRowText(row + 1, years_[static_cast<std::size_t>(row)]));
    return kEndLine;
}

std::optional<ExportTable> frmExtra::YearTable() const {
    // One row per year; the closing lines carry no numbers.
    if (years_.empty()) return std::nullopt;
    return ExportTable{QStringLiteral("Plussparen"),
                       windowTitle(),
                       yearsInputs_,
                       kYearColumns,
                       static_cast<qsizetype>(years_.size()),
                       [this](qsizetype row, int col) -> ExportCell {
                           const RisingRateYear& year = years_[static_cast<std::size_t>(row)];
                           const double values[] = {static_cast<double>(row + 1), year.StartCapital(), year.interest,
                                                    year.EffectiveRate(), year.endCapital};
                           return values[col];
                       },
                       {}};
}

std::optional<ChartSpec> frmExtra::BalanceChart() const {
    if (years_.empty()) return std::nullopt;
    return ChartSpec{QStringLiteral("Guthaben am Jahresende"), QStringLiteral("Jahr"), QStringLiteral("Guthaben (€)"), {}, 0,
                     {{QStringLiteral("Endkapital"), ChartSeries::Kind::Line, 4}}, std::nullopt, {}};
}

void frmExtra::Befehl3_Click() { Rahmen4_->setVisible(true); }

void frmExtra::Liste1_Click() { Rahmen4_->setVisible(false); }

void frmExtra::Befehl2_Click() { hide(); }

}  // namespace zolt
