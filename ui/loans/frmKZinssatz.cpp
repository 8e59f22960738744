#include "ui/loans/frmKZinssatz.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "core/LoanCalculators.h"
#include "core/NumberRules.h"
#include "ui/common/FormKit.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/QtText.h"
#include "ui/common/ScreenSlots.h"
#include "ui/common/FormControls.h"

namespace zolt {


namespace {
const QString kTitle = QStringLiteral("Kredit-Zinssatz Fehlernachricht");
const QString kNotNumeric = QStringLiteral("Eingegebene Daten sind nicht numerisch.");
const QString kTooLarge = QStringLiteral("Eine eingegebene Zahl ist zu groß.");
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

frmKZinssatz::frmKZinssatz(ScreenSlots& screens, QWidget* parent) : QWidget(parent), screens_(screens) {
    setObjectName(QStringLiteral("frmKZinssatz"));
    setWindowTitle(QStringLiteral("Kredit-Zinssatz Ermittlung"));
    setFont(DialogFont());
    SetClientTwips(this, 7200, 5700);

    Rahmen4_ = MakeControl<QGroupBox>(this, QStringLiteral("Rahmen4"), {240, 120, 6720, 2640});
    Rahmen4_->setTitle(QStringLiteral("Eingabedaten Kredit-Zinssatz Ermittlung"));
    MakeLabel(Rahmen4_, QStringLiteral("Bezeichnung3"), QStringLiteral("Zahlungen am Anfang oder am Ende "), {240, 420, 3360, 255});
    Option1_ = MakeControl<QRadioButton>(Rahmen4_, QStringLiteral("Option1"), {3600, 390, 1020, 300});
    Option1_->setText(QStringLiteral("Anfang"));
    // The design shows "Ende" as a label beside a narrow option button.
    Option2_ = MakeControl<QRadioButton>(Rahmen4_, QStringLiteral("Option2"), {4650, 390, 255, 300});
    Option2_->setText(QStringLiteral("Ende"));
    MakeLabel(Rahmen4_, QStringLiteral("Bezeichnung5"), QStringLiteral("Ende"), {4920, 420, 480, 255});
    MakeLabel(Rahmen4_, QStringLiteral("Bezeichnung4"), QStringLiteral("des Monats ?"), {5430, 420, 1230, 255});
    MakeLabel(Rahmen4_, QStringLiteral("Bezeichnung9"), QStringLiteral("Kreditsumme  "), {240, 1020, 3600, 255});
    Text5_ = MakeControl<QLineEdit>(Rahmen4_, QStringLiteral("Text5"), {4200, 960, 2280, 330});
    MakeLabel(Rahmen4_, QStringLiteral("Bezeichnung11"), QStringLiteral("Monatliche Rate  "), {240, 1560, 3600, 255});
    Text6_ = MakeControl<QLineEdit>(Rahmen4_, QStringLiteral("Text6"), {4200, 1500, 2280, 330});
    MakeLabel(Rahmen4_, QStringLiteral("Bezeichnung2"), QStringLiteral("Laufzeit in Monaten"), {240, 2100, 3600, 255});
    Text2_ = MakeControl<QLineEdit>(Rahmen4_, QStringLiteral("Text2"), {4200, 2040, 2280, 330});

    Rahmen5_ = MakeControl<QGroupBox>(this, QStringLiteral("Rahmen5"), {240, 2880, 6720, 900});
    Rahmen5_->setTitle(QStringLiteral("Ausgabe Kredit-Zinssatz"));
    Text7_ = MakeControl<QLineEdit>(Rahmen5_, QStringLiteral("Text7"), {240, 360, 1500, 330});
    MakeLabel(Rahmen5_, QStringLiteral("Bezeichnung12"), QStringLiteral("Prozent"), {1860, 420, 1200, 255});

    Rahmen3_ = MakeControl<QGroupBox>(this, QStringLiteral("Rahmen3"), {240, 3900, 6720, 1020});
    Rahmen3_->setTitle(QStringLiteral("Hinweis"));
    Bezeichnung7_ = MakeControl<QLabel>(Rahmen3_, QStringLiteral("Bezeichnung7"), {120, 270, 6480, 675});
    Bezeichnung7_->setWordWrap(true);
    Bezeichnung7_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Befehl2_ = MakeControl<QPushButton>(this, QStringLiteral("Befehl2"), {240, 5100, 3000, 420});
    Befehl2_->setText(QStringLiteral("Berechnung Zinssatz"));
    Befehl3_ = MakeControl<QPushButton>(this, QStringLiteral("Befehl3"), {3960, 5100, 3000, 420});
    Befehl3_->setText(QStringLiteral("Zurück"));

    connect(Befehl2_, &QPushButton::clicked, this, [this] { Befehl2_Click(); });
    connect(Befehl3_, &QPushButton::clicked, this, [this] { Befehl3_Click(); });

    // Passing over the input or output frame empties the hint line.
    for (QGroupBox* frame : {Rahmen4_, Rahmen5_}) {
        frame->setMouseTracking(true);
        frame->installEventFilter(this);
    }

    Form_Load();
}

void frmKZinssatz::Form_Load() {
    CenterOnDesktop(this);
    Option2_->setChecked(true);
    Bezeichnung7_->setText(kOpeningHint);
}

void frmKZinssatz::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Text5_->setFocus();
    QWidget::changeEvent(event);
}

bool frmKZinssatz::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == Rahmen4_ || watched == Rahmen5_) && event->type() == QEvent::MouseMove) {
        auto* frame = static_cast<QWidget*>(watched);
        // Only the frame's own surface: its fields pass their moves up to it as well.
        if (!frame->childAt(static_cast<QMouseEvent*>(event)->position().toPoint())) Bezeichnung7_->clear();
    }
    return QWidget::eventFilter(watched, event);
}

void frmKZinssatz::Befehl2_Click() {
    bool overflow = false;
    const auto values = ReadCurrencyFields({Text5_, Text6_, Text2_}, &overflow);
    if (!values) {
        ShowInputError(this, overflow ? kTooLarge : kNotNumeric, kTitle);
        return;
    }
    LoanRateInputs in;
    in.timing = Option1_->isChecked() ? PaymentTiming::Beginning : PaymentTiming::End;
    in.amount = (*values)[0];
    in.instalment = (*values)[1];
    in.months = (*values)[2];
    const LoanRateResult result = FindLoanRate(in);
    if (result.status != LoanRateStatus::Ok) {
        Bezeichnung7_->setText(HintFor(result.status));
        return;
    }
    Text7_->setText(ToQ(FormatNumber(result.annualPercent, "##0.00")));
}

void frmKZinssatz::Befehl3_Click() { hide(); }

}  // namespace zolt
