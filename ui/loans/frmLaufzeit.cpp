#include "ui/loans/frmLaufzeit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/LoanCalculators.h"
#include "core/NumberRules.h"
#include "ui/common/FormControls.h"
#include "ui/common/FormKit.h"
#include "ui/common/HintLine.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/QtText.h"

namespace zolt {

namespace {
const QString kTitle = QStringLiteral("Kredit-Laufzeit Fehlernachricht");
const QString kNoTerm = QStringLiteral("Mit diesen Eingaben läßt sich keine Laufzeit berechnen.");
const QString kTooLow = QStringLiteral(" Rate zu gering -->(kleiner als monatliche Zinsbelastung) --> keine Tilgung");
}  // namespace

frmLaufzeit::frmLaufzeit(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmLaufzeit"));
    setWindowTitle(QStringLiteral("Kredit-Laufzeit Ermittlung"));
    setFont(DialogFont());
    SetClientTwips(this, 7200, 5400);

    QGroupBox* Rahmen4 =
        MakeFrame(this, QStringLiteral("Rahmen4"), QStringLiteral("Eingabedaten Kredit-Laufzeit"), {240, 120, 6720, 1800});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung9"), QStringLiteral("Kreditsumme  "), {240, 420, 3600, 255});
    Text5_ = MakeTextField(Rahmen4, QStringLiteral("Text5"), QString(), {4200, 360, 2280, 330});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung10"), QStringLiteral("Nominaler Jahreszinssatz (in %)"),
              {240, 900, 3600, 255});
    // Rates up to 35 %: a loan's rate can lie far above a savings rate.
    Kombi1_ = MakeRateBox(Rahmen4, QStringLiteral("Kombi1"), QStringLiteral("0,1"), {4200, 840, 2280, 330}, 35.0);
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung11"), QStringLiteral("Monatliche Rate  "), {240, 1380, 3600, 255});
    Text6_ = MakeTextField(Rahmen4, QStringLiteral("Text6"), QString(), {4200, 1320, 2280, 330});

    QGroupBox* Rahmen5 =
        MakeFrame(this, QStringLiteral("Rahmen5"), QStringLiteral("Ausgabe Kredit-Laufzeit"), {240, 2040, 6720, 1680});
    Text7_ = MakeOutputField(Rahmen5, QStringLiteral("Text7"), {240, 360, 1200, 330});
    MakeLabel(Rahmen5, QStringLiteral("Bezeichnung12"), QStringLiteral("Jahre"), {1560, 420, 1000, 255});
    Text8_ = MakeOutputField(Rahmen5, QStringLiteral("Text8"), {2880, 360, 1200, 330});
    MakeLabel(Rahmen5, QStringLiteral("Bezeichnung13"), QStringLiteral("Monate  (gerundet)"), {4200, 420, 2300, 255});
    MakeLine(Rahmen5, QStringLiteral("Linie1"), {240, 870, 6240, 30});
    Text1_ = MakeOutputField(Rahmen5, QStringLiteral("Text1"), {240, 1080, 1200, 330});
    MakeLabel(Rahmen5, QStringLiteral("Bezeichnung1"), QStringLiteral("Monate (gesamt)"), {1560, 1140, 2300, 255});

    QGroupBox* Rahmen3 = MakeFrame(this, QStringLiteral("Rahmen3"), QStringLiteral("Hinweis"), {240, 3840, 6720, 780});
    Bezeichnung7_ = MakeLabel(Rahmen3, QStringLiteral("Bezeichnung7"), QString(), {120, 270, 6480, 435});
    Bezeichnung7_->setWordWrap(true);

    QPushButton* Befehl2 =
        MakeButton(this, QStringLiteral("Befehl2"), QStringLiteral("Berechnung Laufzeit"), {240, 4800, 3000, 420});
    QPushButton* Befehl3 = MakeButton(this, QStringLiteral("Befehl3"), QStringLiteral("Zurück"), {3960, 4800, 3000, 420});

    connect(Befehl2, &QPushButton::clicked, this, &frmLaufzeit::Befehl2_Click);
    connect(Befehl3, &QPushButton::clicked, this, &frmLaufzeit::Befehl3_Click);
    auto* hint = new HintLine(Bezeichnung7_);
    hint->ShowOver(Befehl3, QStringLiteral("Zurück zum Auswahlmenü"));
    hint->ClearOver(this);
    FocusOnActivation(this, Text5_);
    OrderTabsByReading(this);
    CenterOnDesktop(this);
}

void frmLaufzeit::Befehl2_Click() {
    // The rate text is checked with the two amounts: a rate that is not a number would
    // otherwise be read as 0 without a word.
    const auto values = ReadOrRefuse({this, kTitle}, {Text5_, Kombi1_, Text6_});
    if (!values) return;
    const auto [amount, annualRatePercent, instalment] = *values;
    const LoanTermResult result = ComputeLoanTerm({amount, annualRatePercent, instalment});
    switch (result.status) {
        case LoanTermStatus::InstalmentTooLow:
            Bezeichnung7_->setText(kTooLow);
            return;
        case LoanTermStatus::NoTerm:
            ShowInputError(this, kNoTerm, kTitle);
            return;
        case LoanTermStatus::Ok:
            break;
    }
    Text7_->setText(ToQ(FormatGeneral(result.wholeYears)));
    Text8_->setText(ToQ(FormatGeneral(result.remainingMonths)));
    WriteNumber(Text1_, result.months, "#.00");
}

void frmLaufzeit::Befehl3_Click() { hide(); }

}  // namespace zolt
