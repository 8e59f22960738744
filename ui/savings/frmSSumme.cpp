#include "ui/savings/frmSSumme.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "core/TargetSum.h"
#include "ui/common/FormControls.h"
#include "ui/common/FormKit.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/ScreenSlots.h"

namespace zolt {

namespace {
const QString kErrorTitle = QStringLiteral("Summensparen Fehlernachricht");
}  // namespace

frmSSumme::frmSSumme(ScreenSlots& screens, QWidget* parent) : QWidget(parent), screens_(screens) {
    setObjectName(QStringLiteral("frmSSumme"));
    setWindowTitle(QStringLiteral("Summen-Sparen"));
    setFont(DialogFont());
    SetClientTwips(this, 7800, 5160);
    setMouseTracking(true);

    QGroupBox* Rahmen4 =
        MakeFrame(this, QStringLiteral("Rahmen4"), QStringLiteral("Eingabedaten Summensparen"), {120, 120, 4440, 3600});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung10"), QStringLiteral("Gewünschte"), {180, 300, 2400, 255});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung9"), QStringLiteral("Endsumme  "), {180, 540, 2400, 255});
    Text5 = MakeTextField(Rahmen4, QStringLiteral("Text5"), QString(), {2880, 405, 1380, 315});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung11"), QStringLiteral("Anzahl der Zahlungen pro Jahr"), {180, 1005, 2640, 255});
    Text6 = MakeTextField(Rahmen4, QStringLiteral("Text6"), QString(), {2880, 960, 1380, 315});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung2"), QStringLiteral("Laufzeit in Jahren"), {180, 1485, 2640, 255});
    Text2 = MakeTextField(Rahmen4, QStringLiteral("Text2"), QString(), {2880, 1440, 1380, 315});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung1"), QStringLiteral("Nominaler Jahreszinssatz (in %)"), {180, 1965, 2640, 255});
    Kombi1 = MakeRateBox(Rahmen4, QStringLiteral("Kombi1"), QStringLiteral("0,1"), {2880, 1920, 1380, 315});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung3"), QStringLiteral("Zahlungen am Anfang oder am Ende "), {180, 2460, 4080, 255});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung4"), QStringLiteral("des Monats ?"), {180, 2700, 4080, 255});
    Option1 = MakeOption(Rahmen4, QStringLiteral("Option1"), QStringLiteral("Anfang"), {600, 3120, 1320, 285});
    Option2 = MakeOption(Rahmen4, QStringLiteral("Option2"), QStringLiteral("Ende"), {2880, 3120, 1320, 285});

    QGroupBox* Rahmen5 =
        MakeFrame(this, QStringLiteral("Rahmen5"), QStringLiteral("Ausgabe Summensparen"), {4680, 120, 3000, 3600});
    MakeLabel(Rahmen5, QStringLiteral("Bezeichnung12"), QStringLiteral("Sparrate"), {180, 300, 2640, 255});
    Text7 = MakeOutputField(Rahmen5, QStringLiteral("Text7"), {180, 570, 2640, 345});
    QFont bold = Text7->font();
    bold.setBold(true);
    Text7->setFont(bold);
    MakeLabel(Rahmen5, QStringLiteral("Bezeichnung6"), QStringLiteral("Eingezahlter Betrag"), {180, 1260, 2640, 255});
    Text1 = MakeOutputField(Rahmen5, QStringLiteral("Text1"), {180, 1530, 2640, 315});
    MakeLabel(Rahmen5, QStringLiteral("Bezeichnung8"), QStringLiteral("Erhaltene Zinsen"), {180, 2190, 2640, 255});
    Text3 = MakeOutputField(Rahmen5, QStringLiteral("Text3"), {180, 2460, 2640, 315});

    QGroupBox* Rahmen3 = MakeFrame(this, QStringLiteral("Rahmen3"), QStringLiteral("Hinweis"), {120, 3840, 7560, 660});
    Bezeichnung7 = MakeLabel(Rahmen3, QStringLiteral("Bezeichnung7"), QString(), {180, 270, 7200, 300});

    Befehl3 = MakeButton(this, QStringLiteral("Befehl3"), QStringLiteral("Zurück"), {120, 4620, 2400, 420});
    Befehl2 = MakeButton(this, QStringLiteral("Befehl2"), QStringLiteral("Berechnung Sparrate"), {5280, 4620, 2400, 420});
    Befehl3->setMouseTracking(true);
    Befehl3->installEventFilter(this);

    connect(Befehl2, &QPushButton::clicked, this, &frmSSumme::Befehl2_Click);
    connect(Befehl3, &QPushButton::clicked, this, &frmSSumme::Befehl3_Click);

    Form_Load();
}

void frmSSumme::Form_Load() {
    CenterOnDesktop(this);
    Option2->setChecked(true);
    Bezeichnung7->setText(
        QStringLiteral("Es soll durch Einzahlung von Sparraten eine gewünschte Endsumme erzielt werden."));
    // Kombi1 was filled with the rates as it was made.
}

bool frmSSumme::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Form_Activate();
    return QWidget::event(event);
}

void frmSSumme::Form_Activate() { Text5->setFocus(Qt::ActiveWindowFocusReason); }

void frmSSumme::mouseMoveEvent(QMouseEvent* event) {
    // Moves over a control that ignores them arrive here too; only the free area counts.
    if (!childAt(event->position().toPoint())) Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

bool frmSSumme::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Befehl3 && event->type() == QEvent::MouseMove) Befehl3_MouseMove();
    return QWidget::eventFilter(watched, event);
}

void frmSSumme::Form_MouseMove() { Bezeichnung7->clear(); }

void frmSSumme::Befehl3_MouseMove() { Bezeichnung7->setText(QStringLiteral("Zurück zum Auswahlmenü")); }

void frmSSumme::Befehl2_Click() {
    // End sum, payment count and term are the checked fields; the rate box takes any typed
    // text and is checked the same way.
    bool overflow = false;
    const auto values = ReadCurrencyFields({Text5, Text6, Text2, Kombi1}, &overflow);
    if (!values) {
        ShowInputError(this,
                       overflow ? NumberTooLargeText()
                                : QStringLiteral("Eingegebene Daten sind nicht numerisch."),
                       kErrorTitle);
        return;
    }
    TargetSumInputs in;
    in.endSum = (*values)[0];
    in.paymentsPerYear = (*values)[1];
    in.years = (*values)[2];
    in.rate = (*values)[3];
    in.timing = Option2->isChecked() ? PaymentTiming::End : PaymentTiming::Beginning;
    const TargetSumResult result = ComputeTargetSum(in);
    switch (result.error) {
        case TargetSumError::None:
            WriteCurrency(Text7, result.instalment);
            WriteCurrency(Text1, result.paidIn);
            WriteCurrency(Text3, result.interest);
            break;
        case TargetSumError::NoPayments:
            ShowInputError(this,
                           QStringLiteral("Anzahl der Zahlungen pro Jahr und Laufzeit müssen größer als 0 sein."),
                           kErrorTitle);
            break;
        case TargetSumError::NotFinite:
            ShowInputError(this, QStringLiteral("Mit diesem Zinssatz ist keine Sparrate berechenbar."), kErrorTitle);
            break;
    }
}

void frmSSumme::Befehl3_Click() { hide(); }

}  // namespace zolt
