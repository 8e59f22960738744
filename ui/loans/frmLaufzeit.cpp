#include "ui/loans/frmLaufzeit.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

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
const QString kTitle = QStringLiteral("Kredit-Laufzeit Fehlernachricht");
const QString kNotNumeric = QStringLiteral("Eingegebene Daten sind nicht numerisch.");
const QString kTooLarge = QStringLiteral("Eine eingegebene Zahl ist zu groß.");
const QString kNoTerm = QStringLiteral("Mit diesen Eingaben läßt sich keine Laufzeit berechnen.");
const QString kTooLow = QStringLiteral(" Rate zu gering -->(kleiner als monatliche Zinsbelastung) --> keine Tilgung");

}  // namespace

frmLaufzeit::frmLaufzeit(ScreenSlots& screens, QWidget* parent) : QWidget(parent), screens_(screens) {
    setObjectName(QStringLiteral("frmLaufzeit"));
    setWindowTitle(QStringLiteral("Kredit-Laufzeit Ermittlung"));
    setFont(DialogFont());
    SetClientTwips(this, 7200, 5400);

    Rahmen4_ = MakeControl<QGroupBox>(this, QStringLiteral("Rahmen4"), {240, 120, 6720, 1800});
    Rahmen4_->setTitle(QStringLiteral("Eingabedaten Kredit-Laufzeit"));
    MakeLabel(Rahmen4_, QStringLiteral("Bezeichnung9"), QStringLiteral("Kreditsumme  "), {240, 420, 3600, 255});
    Text5_ = MakeControl<QLineEdit>(Rahmen4_, QStringLiteral("Text5"), {4200, 360, 2280, 330});
    MakeLabel(Rahmen4_, QStringLiteral("Bezeichnung10"), QStringLiteral("Nominaler Jahreszinssatz (in %)"), {240, 900, 3600, 255});
    Kombi1_ = MakeControl<QComboBox>(Rahmen4_, QStringLiteral("Kombi1"), {4200, 840, 2280, 330});
    Kombi1_->setEditable(true);
    Kombi1_->setInsertPolicy(QComboBox::NoInsert);
    MakeLabel(Rahmen4_, QStringLiteral("Bezeichnung11"), QStringLiteral("Monatliche Rate  "), {240, 1380, 3600, 255});
    Text6_ = MakeControl<QLineEdit>(Rahmen4_, QStringLiteral("Text6"), {4200, 1320, 2280, 330});

    Rahmen5_ = MakeControl<QGroupBox>(this, QStringLiteral("Rahmen5"), {240, 2040, 6720, 1680});
    Rahmen5_->setTitle(QStringLiteral("Ausgabe Kredit-Laufzeit"));
    Text7_ = MakeControl<QLineEdit>(Rahmen5_, QStringLiteral("Text7"), {240, 360, 1200, 330});
    MakeLabel(Rahmen5_, QStringLiteral("Bezeichnung12"), QStringLiteral("Jahre"), {1560, 420, 1000, 255});
    Text8_ = MakeControl<QLineEdit>(Rahmen5_, QStringLiteral("Text8"), {2880, 360, 1200, 330});
    MakeLabel(Rahmen5_, QStringLiteral("Bezeichnung13"), QStringLiteral("Monate  (gerundet)"), {4200, 420, 2300, 255});
    Linie1_ = MakeControl<QFrame>(Rahmen5_, QStringLiteral("Linie1"), {240, 870, 6240, 30});
    Linie1_->setFrameShape(QFrame::HLine);
    Text1_ = MakeControl<QLineEdit>(Rahmen5_, QStringLiteral("Text1"), {240, 1080, 1200, 330});
    MakeLabel(Rahmen5_, QStringLiteral("Bezeichnung1"), QStringLiteral("Monate (gesamt)"), {1560, 1140, 2300, 255});

    Rahmen3_ = MakeControl<QGroupBox>(this, QStringLiteral("Rahmen3"), {240, 3840, 6720, 780});
    Rahmen3_->setTitle(QStringLiteral("Hinweis"));
    Bezeichnung7_ = MakeControl<QLabel>(Rahmen3_, QStringLiteral("Bezeichnung7"), {120, 270, 6480, 435});
    Bezeichnung7_->setWordWrap(true);

    Befehl2_ = MakeControl<QPushButton>(this, QStringLiteral("Befehl2"), {240, 4800, 3000, 420});
    Befehl2_->setText(QStringLiteral("Berechnung Laufzeit"));
    Befehl3_ = MakeControl<QPushButton>(this, QStringLiteral("Befehl3"), {3960, 4800, 3000, 420});
    Befehl3_->setText(QStringLiteral("Zurück"));

    connect(Befehl2_, &QPushButton::clicked, this, [this] { Befehl2_Click(); });
    connect(Befehl3_, &QPushButton::clicked, this, [this] { Befehl3_Click(); });

    // The hint line follows the mouse: over "Zurück" it explains the button, over the bare
    // window it is emptied.
    setMouseTracking(true);
    Befehl3_->setMouseTracking(true);
    Befehl3_->installEventFilter(this);

    Form_Load();
}

void frmLaufzeit::Form_Load() {
    CenterOnDesktop(this);
    // 0,1 ... 35,0: the 350 rates the selector has always offered.
    FillRateBox(Kombi1_, 0.1, 35.0, 0.1, "#0.0");
    Kombi1_->setEditText(QStringLiteral("0,1"));
}

void frmLaufzeit::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Text5_->setFocus();
    QWidget::changeEvent(event);
}

void frmLaufzeit::mouseMoveEvent(QMouseEvent* event) {
    if (!childAt(event->position().toPoint())) Bezeichnung7_->clear();
    QWidget::mouseMoveEvent(event);
}

bool frmLaufzeit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Befehl3_ && event->type() == QEvent::MouseMove)
        Bezeichnung7_->setText(QStringLiteral("Zurück zum Auswahlmenü"));
    return QWidget::eventFilter(watched, event);
}

void frmLaufzeit::Befehl2_Click() {
    // The rate text is checked with the two amounts: a rate that is not a number would
    // otherwise be read as 0 without a word.
    bool overflow = false;
    const auto values = ReadCurrencyFields({Text5_, Kombi1_, Text6_}, &overflow);
    if (!values) {
        ShowInputError(this, overflow ? kTooLarge : kNotNumeric, kTitle);
        return;
    }
    LoanTermInputs in;
    in.amount = (*values)[0];
    in.annualRatePercent = (*values)[1];
    in.instalment = (*values)[2];
    const LoanTermResult result = ComputeLoanTerm(in);
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
    Text1_->setText(ToQ(FormatNumber(result.months, "#.00")));
}

void frmLaufzeit::Befehl3_Click() { hide(); }

}  // namespace zolt
