#include "ui/loans/frmKreditvergleich.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/EffectiveRate.h"
#include "core/LoanCalculators.h"
#include "core/NumberRules.h"
#include "ui/common/FormControls.h"
#include "ui/common/FormKit.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/QtText.h"

namespace zolt {

namespace {
const QString kTitle = QStringLiteral("Kredit Fehlernachricht");
const QString kNotNumeric = QStringLiteral(
    "Eingegebene Daten sind nicht numerisch. oder es wurden nicht alle erforderlichen daten eingegeben.");
const QString kRateZero = QStringLiteral("Nominaler Jahreszinssatz muß >0 sein.");

// Rows of the columns (twips from the top of a frame): the button, four inputs, the
// "Ausgabewerte" caption, six outputs.
constexpr int kButtonTop = 300;
constexpr int kInputTops[] = {780, 1200, 1620, 2040};
constexpr int kOutputCaptionTop = 2490;
constexpr int kOutputTops[] = {2820, 3240, 3660, 4080, 4500, 4920};
constexpr int kRows = 10;
constexpr int kFieldHeight = 330;
constexpr int kFrameTop = 120;
constexpr int kFrameHeight = 5400;

// The names and starting texts of the three columns; the first amount starts with a blank.
struct OfferColumn {
    const char* frame;
    const char* button;
    const char* outputCaption;
    int firstText;  // Text1, Text10, Text19
    const char* amount;
    const char* term;
    const char* rate;
};

constexpr OfferColumn kOfferColumns[] = {
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

frmKreditvergleich::frmKreditvergleich(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmKreditvergleich"));
    setWindowTitle(QStringLiteral("Vergleich von Kreditangeboten"));
    setFont(DialogFont());
    SetClientTwips(this, 9960, 6180);

    // The row captions stand once, at the left, beside the "Info" button.
    QGroupBox* Rahmen1 = MakeFrame(this, QStringLiteral("Rahmen1"), QString(), {120, kFrameTop, 2520, kFrameHeight});
    QPushButton* Befehl5 = MakeButton(Rahmen1, QStringLiteral("Befehl5"), QStringLiteral("Info"), {120, kButtonTop, 900, 360});
    const QString captions[] = {
        QStringLiteral("Kreditsumme in €:"),    QStringLiteral("Laufzeit  in Monaten:"),
        QStringLiteral("Jahreszinssatz in %:"), QStringLiteral("Kreditgebühren in %:"),
        QStringLiteral("Kreditgebühren in €:"), QStringLiteral("Kredit (inkl. Gebühren):"),
        QStringLiteral("Summe der Zinsen:"),    QStringLiteral("Effektiv zu zahlen:"),
        QStringLiteral("Monatliche Raten €:"),  QStringLiteral("Effektiver Jahreszins:"),
    };
    for (int row = 0; row < kRows; ++row) {
        const int top = (row < 4 ? kInputTops[row] : kOutputTops[row - 4]) + 45;
        // Bezeichnung10 … 12 are the offers' "Ausgabewerte": the last caption is the next free number.
        const int number = row < 9 ? row + 1 : 13;
        MakeLabel(Rahmen1, QStringLiteral("Bezeichnung%1").arg(number), captions[row], {120, top, 2340, 255});
    }
    const std::array<QPushButton*, 3> buttons{BuildOffer(0), BuildOffer(1), BuildOffer(2)};

    Befehl2_ = MakeButton(this, QStringLiteral("Befehl2"), QStringLiteral("<<"), {120, 5640, 900, 420});

    Rahmen5_ = MakeFrame(this, QStringLiteral("Rahmen5"), QStringLiteral("Info Kreditgebühren"), {1200, 600, 7560, 3960});
    Rahmen5_->setAutoFillBackground(true);
    Liste1_ = MakeControl<QListWidget>(Rahmen5_, QStringLiteral("Liste1"), {120, 300, 7320, 3000});
    QPushButton* Befehl6 = MakeButton(Rahmen5_, QStringLiteral("Befehl6"), QStringLiteral("OK"), {3240, 3420, 1080, 390});
    Rahmen5_->hide();

    for (std::size_t k = 0; k < buttons.size(); ++k) {
        connect(buttons[k], &QPushButton::clicked, this, [this, k] { CalculateOffer(offers_[k]); });
    }
    connect(Befehl5, &QPushButton::clicked, this, &frmKreditvergleich::Befehl5_Click);
    connect(Befehl6, &QPushButton::clicked, this, &frmKreditvergleich::Befehl6_Click);
    connect(Befehl2_, &QPushButton::clicked, this, &frmKreditvergleich::Befehl2_Click);
    OrderTabsByReading(this);
    CenterOnDesktop(this);
}

QPushButton* frmKreditvergleich::BuildOffer(int index) {
    const OfferColumn& column = kOfferColumns[index];
    Offer& offer = offers_[static_cast<std::size_t>(index)];
    QGroupBox* frame = MakeFrame(this, QString::fromLatin1(column.frame), QStringLiteral("Eingabe Angebot %1").arg(index + 1),
                                 {2760 + index * 2400, kFrameTop, 2280, kFrameHeight});
    QPushButton* button = MakeButton(frame, QString::fromLatin1(column.button),
                                     QStringLiteral("Berechnung %1").arg(index + 1), {180, kButtonTop, 1920, 360});
    auto input = [&](int row, const char* text) {
        return MakeTextField(frame, QStringLiteral("Text%1").arg(column.firstText + row), QString::fromLatin1(text),
                             {180, kInputTops[row], 1920, kFieldHeight});
    };
    offer.amount = input(0, column.amount);
    offer.term = input(1, column.term);
    offer.rate = input(2, column.rate);
    offer.feePercent = input(3, "");
    MakeLabel(frame, QString::fromLatin1(column.outputCaption), QStringLiteral("Ausgabewerte"),
              {180, kOutputCaptionTop, 1920, 255});
    auto output = [&](int row) {
        return MakeOutputField(frame, QStringLiteral("Text%1").arg(column.firstText + 4 + row),
                               {180, kOutputTops[row], 1920, kFieldHeight});
    };
    offer.feeMoney = output(0);
    offer.grossLoan = output(1);
    offer.interest = output(2);
    offer.total = output(3);
    offer.instalment = output(4);
    offer.effectiveRate = MakeOutputField(frame, QStringLiteral("txtEffektiv%1").arg(index + 1),
                                          {180, kOutputTops[5], 1920, kFieldHeight});
    return button;
}

void frmKreditvergleich::CalculateOffer(const Offer& offer) {
    // The amount is first written back as a plain number, so that a formatted amount from the
    // last press ("20.000,00 €") reads again. A text the check below refuses is left alone.
    const QString amountText = offer.amount->text();
    if (amountText != QStringLiteral(" ") && IsNumericText(ToStd(amountText))) {
        const CurrencyReading reading = CurrencyNumber(ToStd(amountText));
        if (reading.ok()) offer.amount->setText(ToQ(FormatGeneral(reading.Amount())));
    }
    const auto values = ReadOrRefuse({this, kTitle, kNotNumeric}, {offer.amount, offer.term, offer.rate, offer.feePercent});
    if (!values) return;
    const auto [amount, months, annualRatePercent, feePercent] = *values;
    const bool rateIsZero = LocaleNumber(ToStd(offer.rate->text())) == 0.0;

    const LoanOfferResult result = ComputeLoanOffer({amount, feePercent, annualRatePercent, months});
    if (result.status == LoanOfferStatus::Refused) {
        // A negative rate, a fee of 100 % or more, or no term at all: nothing sensible to show.
        ShowInputError(this, kNotNumeric, kTitle);
        return;
    }
    if (result.status != LoanOfferStatus::Ok) {
        if (rateIsZero) ShowInputError(this, kRateZero, kTitle);
        ShowInputError(this, NumberTooLargeText(), kTitle);
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
    WriteCurrency(offer.amount, amount);
    // A term the rate cannot be found for (not whole months, or beyond the longest offer)
    // leaves the field empty; the comparison itself stands.
    const EffectiveRateResult effective = OfferEffectiveRate(amount, result.instalment, months);
    offer.effectiveRate->setText(effective.error == EffectiveRateError::None ? ToQ(EffectiveRateText(effective.rate))
                                                                             : QString());
}

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
