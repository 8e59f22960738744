#include "ui/loans/frmKreditvergleich.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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
const QString kTitle = QStringLiteral("Kredit Fehlernachricht");
const QString kNotNumeric = QStringLiteral(
    "Eingegebene Daten sind nicht numerisch. oder es wurden nicht alle erforderlichen daten eingegeben.");
const QString kRateZero = QStringLiteral("Nominaler Jahreszinssatz muß >0 sein.");
const QString kTooLarge = QStringLiteral("Eine eingegebene Zahl ist zu groß.");

// Rows of the columns (twips from the top of a frame): the button, four inputs, the
// "Ausgabewerte" caption, five outputs.
constexpr int kButtonTop = 300;
constexpr int kInputTops[] = {780, 1200, 1620, 2040};
constexpr int kOutputCaptionTop = 2490;
constexpr int kOutputTops[] = {2820, 3240, 3660, 4080, 4500};
constexpr int kFieldHeight = 330;
constexpr int kFrameTop = 120;
constexpr int kFrameHeight = 4980;
constexpr int kOfferWidth = 2280;

struct OfferDesign {
    const char* frame;
    const char* button;
    const char* outputCaption;
    int firstText;  // Text1, Text10, Text19
    const char* amount;
    const char* term;
    const char* rate;
};

constexpr OfferDesign kOfferDesigns[] = {
    {"Rahmen2", "Befehl1", "Bezeichnung10", 1, " 20000", "12", ""},
    {"Rahmen3", "Befehl3", "Bezeichnung11", 10, "20000", "24", ""},
    {"Rahmen4", "Befehl4", "Bezeichnung12", 19, "20000", "36", "11"},
};

const QStringList kInfoLines = {
    QStringLiteral("Damit die volle Kreditsumme ausgezahlt werden kann, gilt:"),
    QStringLiteral(" "),
    QStringLiteral("Gesamtkreditsumme=Kreditsumme / (1 - Kreditgebühren (in %) / 100)"),
    QStringLiteral(" "),
    QStringLiteral("Beispiel:"),
    QStringLiteral(" "),
    QStringLiteral("Kredit 20000 € ; Kreditgebühren 1% ; gesucht Gesamtkreditsumme"),
    QStringLiteral(" "),
    QStringLiteral("Gesamtkreditsumme = 20000 / ( 1 - ( 1 / 100 ) = 20202,02 €"),
    QStringLiteral("Kreditgebühren = 20202,02 - 20000 = 202,02 €"),
};
}  // namespace

frmKreditvergleich::frmKreditvergleich(ScreenSlots& screens, QWidget* parent) : QWidget(parent), screens_(screens) {
    setObjectName(QStringLiteral("frmKreditvergleich"));
    setWindowTitle(QStringLiteral("Vergleich von Kreditangeboten"));
    setFont(DialogFont());
    SetClientTwips(this, 9960, 5760);

    Rahmen1_ = MakeControl<QGroupBox>(this, QStringLiteral("Rahmen1"), {120, kFrameTop, 2520, kFrameHeight});
    Befehl5_ = MakeControl<QPushButton>(Rahmen1_, QStringLiteral("Befehl5"), {120, kButtonTop, 900, 360});
    Befehl5_->setText(QStringLiteral("Info"));
    const QString captions[] = {
        QStringLiteral("Kreditsumme in €:"),      QStringLiteral("Laufzeit  in Monaten:"),
        QStringLiteral("Jahreszinssatz in %:"),   QStringLiteral("Kreditgebühren in %:"),
        QStringLiteral("Kreditgebühren in €:"),   QStringLiteral("Kredit (inkl. Gebühren):"),
        QStringLiteral("Summe der Zinsen:"),      QStringLiteral("Effektiv zu zahlen:"),
        QStringLiteral("Monatliche Raten €:"),
    };
    for (int row = 0; row < 9; ++row) {
        const int top = (row < 4 ? kInputTops[row] : kOutputTops[row - 4]) + 45;
        MakeLabel(Rahmen1_, QStringLiteral("Bezeichnung%1").arg(row + 1), captions[row], {120, top, 2340, 255});
    }

    for (int k = 0; k < 3; ++k) BuildOffer(offers_[static_cast<std::size_t>(k)], k, 2760 + k * 2400);

    Befehl2_ = MakeControl<QPushButton>(this, QStringLiteral("Befehl2"), {120, 5220, 900, 420});
    Befehl2_->setText(QStringLiteral("<<"));

    Rahmen5_ = MakeControl<QGroupBox>(this, QStringLiteral("Rahmen5"), {1200, 600, 7560, 3960});
    Rahmen5_->setTitle(QStringLiteral("Info Kreditgebühren"));
    Rahmen5_->setAutoFillBackground(true);
    Liste1_ = MakeControl<QListWidget>(Rahmen5_, QStringLiteral("Liste1"), {120, 300, 7320, 3000});
    Befehl6_ = MakeControl<QPushButton>(Rahmen5_, QStringLiteral("Befehl6"), {3240, 3420, 1080, 390});
    Befehl6_->setText(QStringLiteral("OK"));
    Rahmen5_->hide();
    Rahmen5_->raise();

    connect(offers_[0].button, &QPushButton::clicked, this, [this] { Befehl1_Click(); });
    connect(offers_[1].button, &QPushButton::clicked, this, [this] { Befehl3_Click(); });
    connect(offers_[2].button, &QPushButton::clicked, this, [this] { Befehl4_Click(); });
    connect(Befehl5_, &QPushButton::clicked, this, [this] { Befehl5_Click(); });
    connect(Befehl6_, &QPushButton::clicked, this, [this] { Befehl6_Click(); });
    connect(Befehl2_, &QPushButton::clicked, this, [this] { Befehl2_Click(); });

    Form_Load();
}

void frmKreditvergleich::BuildOffer(Offer& offer, int index, int left) {
    const OfferDesign& design = kOfferDesigns[index];
    offer.frame = MakeControl<QGroupBox>(this, QString::fromLatin1(design.frame), {left, kFrameTop, kOfferWidth, kFrameHeight});
    offer.frame->setTitle(QStringLiteral("Eingabe Angebot %1").arg(index + 1));
    offer.button = MakeControl<QPushButton>(offer.frame, QString::fromLatin1(design.button), {180, kButtonTop, 1920, 360});
    offer.button->setText(QStringLiteral("Berechnung %1").arg(index + 1));
    offer.outputCaption = MakeLabel(offer.frame, QString::fromLatin1(design.outputCaption), QStringLiteral("Ausgabewerte"), {180, kOutputCaptionTop, 1920, 255});

    auto field = [&](int row, int top) {
        return MakeControl<QLineEdit>(offer.frame, QStringLiteral("Text%1").arg(design.firstText + row), {180, top, 1920, kFieldHeight});
    };
    offer.amount = field(0, kInputTops[0]);
    offer.term = field(1, kInputTops[1]);
    offer.rate = field(2, kInputTops[2]);
    offer.feePercent = field(3, kInputTops[3]);
    offer.feeMoney = field(4, kOutputTops[0]);
    offer.grossLoan = field(5, kOutputTops[1]);
    offer.interest = field(6, kOutputTops[2]);
    offer.total = field(7, kOutputTops[3]);
    offer.instalment = field(8, kOutputTops[4]);

    // The texts the window starts with, the leading blank of the first amount included.
    offer.amount->setText(QString::fromUtf8(design.amount));
    offer.term->setText(QString::fromUtf8(design.term));
    offer.rate->setText(QString::fromUtf8(design.rate));
}

void frmKreditvergleich::Form_Load() { CenterOnDesktop(this); }

void frmKreditvergleich::CalculateOffer(Offer& offer) {
    // The amount is first written back as a plain number, so that a formatted amount from the
    // last press ("20.000,00 €") reads again. A text the check below refuses is left alone.
    const QString amountText = offer.amount->text();
    if (amountText != QStringLiteral(" ") && IsNumericText(ToStd(amountText))) {
        const CurrencyReading reading = CurrencyNumber(ToStd(amountText));
        if (reading.ok()) offer.amount->setText(ToQ(FormatGeneral(reading.Amount())));
    }

    bool overflow = false;
    const auto values = ReadCurrencyFields({offer.amount, offer.term, offer.rate, offer.feePercent}, &overflow);
    if (!values) {
        ShowInputError(this, overflow ? kTooLarge : kNotNumeric, kTitle);
        return;
    }
    LoanOfferInputs in;
    in.amount = (*values)[0];
    in.months = (*values)[1];
    in.annualRatePercent = (*values)[2];
    in.feePercent = (*values)[3];
    const bool rateIsZero = LocaleNumber(ToStd(offer.rate->text())) == 0.0;

    const LoanOfferResult result = ComputeLoanOffer(in);
    if (result.status == LoanOfferStatus::Refused) {
        // A negative rate, a fee of 100 % or more, or no term at all: nothing sensible to show.
        ShowInputError(this, kNotNumeric, kTitle);
        return;
    }
    if (result.status != LoanOfferStatus::Ok) {
        if (rateIsZero) ShowInputError(this, kRateZero, kTitle);
        ShowInputError(this, kTooLarge, kTitle);
        return;
    }
    // The gross loan and the fee stand before the note on a rate of 0; the instalments
    // after it are computed without interest.
    WriteCurrency(offer.grossLoan, result.grossLoan);
    WriteCurrency(offer.feeMoney, result.fee);
    if (rateIsZero) ShowInputError(this, kRateZero, kTitle);
    WriteCurrency(offer.instalment, result.instalment);
    WriteCurrency(offer.total, result.total);
    WriteCurrency(offer.interest, result.interest);
    WriteCurrency(offer.amount, in.amount);
}

void frmKreditvergleich::Befehl1_Click() { CalculateOffer(offers_[0]); }
void frmKreditvergleich::Befehl3_Click() { CalculateOffer(offers_[1]); }
void frmKreditvergleich::Befehl4_Click() { CalculateOffer(offers_[2]); }

void frmKreditvergleich::Befehl5_Click() {
    // Appended, not replaced: a second press without "OK" shows the lines twice.
    Liste1_->addItems(kInfoLines);
    Rahmen5_->show();
    Rahmen5_->raise();
}

void frmKreditvergleich::Befehl6_Click() {
    Rahmen5_->hide();
    Liste1_->clear();
    Befehl2_->setFocus();
}

void frmKreditvergleich::Befehl2_Click() { hide(); }

}  // namespace zolt
