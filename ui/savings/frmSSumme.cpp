#include "ui/savings/frmSSumme.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/TargetSum.h"
#include "ui/common/FormControls.h"
#include "ui/common/FormKit.h"
#include "ui/common/HintLine.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"

namespace zolt {

namespace {
const QString kTitle = QStringLiteral("Summensparen Fehlernachricht");
}  // namespace

frmSSumme::frmSSumme(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmSSumme"));
    setWindowTitle(QStringLiteral("Summen-Sparen"));
    setFont(DialogFont());
    SetClientTwips(this, 7800, 5160);

    QGroupBox* Rahmen4 =
        MakeFrame(this, QStringLiteral("Rahmen4"), QStringLiteral("Eingabedaten Summensparen"), {120, 120, 4440, 3600});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung10"), QStringLiteral("Gewünschte"), {180, 300, 2400, 255});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung9"), QStringLiteral("Endsumme  "), {180, 540, 2400, 255});
    Text5_ = MakeTextField(Rahmen4, QStringLiteral("Text5"), QString(), {2880, 405, 1380, 315});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung11"), QStringLiteral("Anzahl der Zahlungen pro Jahr"), {180, 1005, 2640, 255});
    Text6_ = MakeTextField(Rahmen4, QStringLiteral("Text6"), QString(), {2880, 960, 1380, 315});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung2"), QStringLiteral("Laufzeit in Jahren"), {180, 1485, 2640, 255});
    Text2_ = MakeTextField(Rahmen4, QStringLiteral("Text2"), QString(), {2880, 1440, 1380, 315});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung1"), QStringLiteral("Nominaler Jahreszinssatz (in %)"), {180, 1965, 2640, 255});
    Kombi1_ = MakeRateBox(Rahmen4, QStringLiteral("Kombi1"), QStringLiteral("0,1"), {2880, 1920, 1380, 315});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung3"), QStringLiteral("Zahlungen am Anfang oder am Ende "), {180, 2460, 4080, 255});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung4"), QStringLiteral("des Monats ?"), {180, 2700, 4080, 255});
    MakeOption(Rahmen4, QStringLiteral("Option1"), QStringLiteral("Anfang"), {600, 3120, 1320, 285});
    Option2_ = MakeOption(Rahmen4, QStringLiteral("Option2"), QStringLiteral("Ende"), {2880, 3120, 1320, 285});

    QGroupBox* Rahmen5 =
        MakeFrame(this, QStringLiteral("Rahmen5"), QStringLiteral("Ausgabe Summensparen"), {4680, 120, 3000, 3600});
    MakeLabel(Rahmen5, QStringLiteral("Bezeichnung12"), QStringLiteral("Sparrate"), {180, 300, 2640, 255});
    Text7_ = MakeOutputField(Rahmen5, QStringLiteral("Text7"), {180, 570, 2640, 345});
    QFont bold = Text7_->font();
    bold.setBold(true);
    Text7_->setFont(bold);
    MakeLabel(Rahmen5, QStringLiteral("Bezeichnung6"), QStringLiteral("Eingezahlter Betrag"), {180, 1260, 2640, 255});
    Text1_ = MakeOutputField(Rahmen5, QStringLiteral("Text1"), {180, 1530, 2640, 315});
    MakeLabel(Rahmen5, QStringLiteral("Bezeichnung8"), QStringLiteral("Erhaltene Zinsen"), {180, 2190, 2640, 255});
    Text3_ = MakeOutputField(Rahmen5, QStringLiteral("Text3"), {180, 2460, 2640, 315});

    QGroupBox* Rahmen3 = MakeFrame(this, QStringLiteral("Rahmen3"), QStringLiteral("Hinweis"), {120, 3840, 7560, 660});
    QLabel* Bezeichnung7 = MakeLabel(
        Rahmen3, QStringLiteral("Bezeichnung7"),
        QStringLiteral("Es soll durch Einzahlung von Sparraten eine gewünschte Endsumme erzielt werden."),
        {180, 270, 7200, 300});

    QPushButton* Befehl3 = MakeButton(this, QStringLiteral("Befehl3"), QStringLiteral("Zurück"), {120, 4620, 2400, 420});
    QPushButton* Befehl2 =
        MakeButton(this, QStringLiteral("Befehl2"), QStringLiteral("Berechnung Sparrate"), {5280, 4620, 2400, 420});
    Option2_->setChecked(true);

    connect(Befehl2, &QPushButton::clicked, this, &frmSSumme::Befehl2_Click);
    connect(Befehl3, &QPushButton::clicked, this, &frmSSumme::Befehl3_Click);
    auto* hint = new HintLine(Bezeichnung7);
    hint->ShowOver(Befehl3, QStringLiteral("Zurück zum Auswahlmenü"));
    hint->ClearOver(this);
    FocusOnActivation(this, Text5_);
    OrderTabsByReading(this);
    CenterOnDesktop(this);
}

void frmSSumme::Befehl2_Click() {
    // End sum, payment count and term are the checked fields; the rate box takes any typed
    // text and is checked the same way.
    const auto values = ReadOrRefuse({this, kTitle}, {Text5_, Text6_, Text2_, Kombi1_});
    if (!values) return;
    const auto [endSum, paymentsPerYear, years, rate] = *values;
    const PaymentTiming timing = Option2_->isChecked() ? PaymentTiming::End : PaymentTiming::Beginning;
    const TargetSumResult result = ComputeTargetSum({endSum, paymentsPerYear, years, rate, timing});
    switch (result.error) {
        case TargetSumError::None:
            WriteCurrency(Text7_, result.instalment);
            WriteCurrency(Text1_, result.paidIn);
            WriteCurrency(Text3_, result.interest);
            return;
        case TargetSumError::NoPayments:
            ShowInputError(this, QStringLiteral("Anzahl der Zahlungen pro Jahr und Laufzeit müssen größer als 0 sein."),
                           kTitle);
            return;
        case TargetSumError::NotFinite:
            ShowInputError(this, QStringLiteral("Mit diesem Zinssatz ist keine Sparrate berechenbar."), kTitle);
            return;
    }
}

void frmSSumme::Befehl3_Click() { hide(); }

}  // namespace zolt
