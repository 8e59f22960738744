#include "ui/loans/frmKZinssatz.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/LoanCalculators.h"
#include "ui/common/FormControls.h"
#include "ui/common/FormKit.h"
#include "ui/common/HintLine.h"
#include "ui/common/Layout.h"

namespace zolt {

namespace {
const QString kTitle = QStringLiteral("Kredit-Zinssatz Fehlernachricht");
const QString kOpeningHint = QStringLiteral(
    "Um sinnvolle Werte für den zu berechnenden Zinssatz zu erhalten, gelten bei der Dateneingabe gewisse "
    "Einschränkungen. Hinweise beachten !");

QString HintFor(LoanRateStatus status) {
    switch (status) {
        case LoanRateStatus::InstalmentBelowHalfPercent:
            return QStringLiteral(
                "Um sinnvolle Werte zu erhalten sollte die Rate nicht kleiner als 0,5 % der Kreditsumme sein.");
        case LoanRateStatus::PaymentsNotAboveAmount:
            return QStringLiteral(
                "Um sinnvolle Werte zu erhalten, muß das Produkt (Rate*Laufzeit in Monaten) größer als die "
                "Kreditsumme sein.");
        case LoanRateStatus::PaymentsTooLarge:
            return QStringLiteral(
                "Ratenhöhe oder Laufzeit zu groß, das Produkt (Ratenhöhe * Laufzeit) sollte die doppelte "
                "Kreditsumme nicht überschreiten.");
        case LoanRateStatus::NoSolution:
            return QStringLiteral(
                "Bei Zahlung am Monatsanfang muß die Rate kleiner als die Kreditsumme sein, sonst gibt es keinen "
                "Zinssatz.");
        case LoanRateStatus::NotConverged:
            return QStringLiteral(
                "Zu diesen Eingaben konnte kein Zinssatz ermittelt werden (die Berechnung konvergiert nicht).");
        case LoanRateStatus::Ok:
            break;
    }
    return {};
}
}  // namespace

frmKZinssatz::frmKZinssatz(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmKZinssatz"));
    setWindowTitle(QStringLiteral("Kredit-Zinssatz Ermittlung"));
    setFont(DialogFont());
    SetClientTwips(this, 7200, 5700);

    QGroupBox* Rahmen4 = MakeFrame(this, QStringLiteral("Rahmen4"), QStringLiteral("Eingabedaten Kredit-Zinssatz Ermittlung"),
                                   {240, 120, 6720, 2640});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung3"), QStringLiteral("Zahlungen am Anfang oder am Ende "),
              {240, 420, 3360, 255});
    Option1_ = MakeOption(Rahmen4, QStringLiteral("Option1"), QStringLiteral("Anfang"), {3600, 390, 1020, 300});
    // A narrow option button: the label beside it shows the word "Ende".
    QRadioButton* Option2 = MakeOption(Rahmen4, QStringLiteral("Option2"), QStringLiteral("Ende"), {4650, 390, 255, 300});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung5"), QStringLiteral("Ende"), {4920, 420, 480, 255});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung4"), QStringLiteral("des Monats ?"), {5430, 420, 1230, 255});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung9"), QStringLiteral("Kreditsumme  "), {240, 1020, 3600, 255});
    Text5_ = MakeTextField(Rahmen4, QStringLiteral("Text5"), QString(), {4200, 960, 2280, 330});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung11"), QStringLiteral("Monatliche Rate  "), {240, 1560, 3600, 255});
    Text6_ = MakeTextField(Rahmen4, QStringLiteral("Text6"), QString(), {4200, 1500, 2280, 330});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung2"), QStringLiteral("Laufzeit in Monaten"), {240, 2100, 3600, 255});
    Text2_ = MakeTextField(Rahmen4, QStringLiteral("Text2"), QString(), {4200, 2040, 2280, 330});

    QGroupBox* Rahmen5 =
        MakeFrame(this, QStringLiteral("Rahmen5"), QStringLiteral("Ausgabe Kredit-Zinssatz"), {240, 2880, 6720, 900});
    Text7_ = MakeOutputField(Rahmen5, QStringLiteral("Text7"), {240, 360, 1500, 330});
    MakeLabel(Rahmen5, QStringLiteral("Bezeichnung12"), QStringLiteral("Prozent"), {1860, 420, 1200, 255});

    QGroupBox* Rahmen3 = MakeFrame(this, QStringLiteral("Rahmen3"), QStringLiteral("Hinweis"), {240, 3900, 6720, 1020});
    Bezeichnung7_ = MakeLabel(Rahmen3, QStringLiteral("Bezeichnung7"), kOpeningHint, {120, 270, 6480, 675});
    Bezeichnung7_->setWordWrap(true);
    Bezeichnung7_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QPushButton* Befehl2 =
        MakeButton(this, QStringLiteral("Befehl2"), QStringLiteral("Berechnung Zinssatz"), {240, 5100, 3000, 420});
    QPushButton* Befehl3 = MakeButton(this, QStringLiteral("Befehl3"), QStringLiteral("Zurück"), {3960, 5100, 3000, 420});
    Option2->setChecked(true);

    connect(Befehl2, &QPushButton::clicked, this, &frmKZinssatz::Befehl2_Click);
    connect(Befehl3, &QPushButton::clicked, this, &frmKZinssatz::Befehl3_Click);
    // Passing over the input or output frame empties the hint line.
    auto* hint = new HintLine(Bezeichnung7_);
    hint->ClearOver(Rahmen4);
    hint->ClearOver(Rahmen5);
    FocusOnActivation(this, Text5_);
    OrderTabsByReading(this);
    CenterOnDesktop(this);
}

void frmKZinssatz::Befehl2_Click() {
    const auto values = ReadOrRefuse({this, kTitle}, {Text5_, Text6_, Text2_});
    if (!values) return;
    const auto [amount, instalment, months] = *values;
    const PaymentTiming timing = Option1_->isChecked() ? PaymentTiming::Beginning : PaymentTiming::End;
    const LoanRateResult result = FindLoanRate({amount, instalment, months, timing});
    if (result.status != LoanRateStatus::Ok) {
        Bezeichnung7_->setText(HintFor(result.status));
        return;
    }
    WriteNumber(Text7_, result.annualPercent, "##0.00");
}

void frmKZinssatz::Befehl3_Click() { hide(); }

}  // namespace zolt
