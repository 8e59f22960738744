#include "ui/savings/frmBuschatz.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/common/FormControls.h"
#include "ui/common/FormKit.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"

namespace zolt {

namespace {
const QString kTitle = QStringLiteral("Schatzbrief Fehlernachricht");
const QString kNoteTypeA = QStringLiteral(" Die Laufzeit der Anlage beträgt bei Typ A 6 Jahre, kein Zinseszins.");
const QString kNoteTypeB = QStringLiteral("Die Laufzeit der Anlage beträgt bei Typ B 7 Jahre, Zinseszins.");
}  // namespace

frmBuschatz::frmBuschatz(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmBuschatz"));
    setWindowTitle(QStringLiteral("Bundesschatzbriefe"));
    setFont(DialogFont());
    SetClientTwips(this, 8040, 4920);

    Rahmen1_ = MakeFrame(this, QStringLiteral("Rahmen1"), QStringLiteral("Dateneingabe"), {120, 120, 4320, 4680});
    MakeLabel(Rahmen1_, QStringLiteral("Bezeichnung1"), QStringLiteral("Angelegter Betrag ->"), {240, 390, 1900, 255});
    Text1_ = MakeTextField(Rahmen1_, QStringLiteral("Text1"), QStringLiteral("0"), {2160, 345, 1920, 315});
    MakeLine(Rahmen1_, QStringLiteral("Linie1"), {120, 780, 4080, 30});
    MakeLabel(Rahmen1_, QStringLiteral("Bezeichnung10"), QStringLiteral("Typ :"), {240, 960, 700, 255});
    Option1_ = MakeOption(Rahmen1_, QStringLiteral("Option1"), QStringLiteral("Typ A"), {2160, 945, 960, 285});
    Option2_ = MakeOption(Rahmen1_, QStringLiteral("Option2"), QStringLiteral("Typ B"), {3120, 945, 960, 285});
    MakeLine(Rahmen1_, QStringLiteral("Linie2"), {120, 1380, 4080, 30});
    MakeLabel(Rahmen1_, QStringLiteral("Bezeichnung2"), QStringLiteral("Zinssatz"), {2160, 1500, 1500, 255});
    QLabel* yearLabel = nullptr;
    for (int k = 0; k < kMaxBondYears; ++k) {
        const int top = 1800 + k * 390;
        yearLabel = MakeLabel(Rahmen1_, QStringLiteral("Bezeichnung%1").arg(k + 3), QStringLiteral("%1. Jahr").arg(k + 1),
                              {600, top + 45, 1200, 255});
        rateBoxes_[static_cast<std::size_t>(k)] =
            MakeRateBox(Rahmen1_, QStringLiteral("Kombi%1").arg(k + 1), QStringLiteral("0,0"), {2160, top, 1320, 315});
    }
    Bezeichnung9_ = yearLabel;  // the label of year 7
    MakeLine(Rahmen1_, QStringLiteral("Linie3"), {120, 4560, 4080, 30});

    QGroupBox* Rahmen3 = MakeFrame(this, QStringLiteral("Rahmen3"), QStringLiteral("Ergebnisse"), {4560, 120, 3360, 1920});
    MakeLabel(Rahmen3, QStringLiteral("Bezeichnung11"), QStringLiteral("Betrag am Ende der Laufzeit"), {180, 300, 3000, 255});
    Text2_ = MakeOutputField(Rahmen3, QStringLiteral("Text2"), {180, 570, 3000, 420});
    MakeLabel(Rahmen3, QStringLiteral("Bezeichnung12"), QStringLiteral("Davon Zinsen"), {180, 1110, 3000, 255});
    Text3_ = MakeOutputField(Rahmen3, QStringLiteral("Text3"), {180, 1380, 3000, 420});
    Text2_->setFont(ResultFont());
    Text3_->setFont(ResultFont());

    QGroupBox* Rahmen2 = MakeFrame(this, QStringLiteral("Rahmen2"), QStringLiteral("Hinweis"), {4560, 2160, 3360, 1080});
    Bezeichnung14_ = MakeLabel(Rahmen2, QStringLiteral("Bezeichnung14"), QString(), {180, 270, 3000, 720});
    Bezeichnung14_->setWordWrap(true);
    Bezeichnung14_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QPushButton* Befehl1 = MakeButton(this, QStringLiteral("Befehl1"), QStringLiteral("Berechnen"), {5160, 3360, 2160, 405});
    Befehl3_ = MakeButton(this, QStringLiteral("Befehl3"), QStringLiteral("Details"), {5160, 3840, 2160, 405});
    QPushButton* Befehl2 = MakeButton(this, QStringLiteral("Befehl2"), QStringLiteral("Beenden"), {5160, 4320, 2160, 405});
    Befehl3_->setVisible(false);

    // The detail frames lie over the data-entry frame and replace it while shown.
    Rahmen5_ = MakeFrame(this, QStringLiteral("Rahmen5"), QStringLiteral("Details Typ A"), {120, 120, 4320, 4680});
    MakeLabel(Rahmen5_, QStringLiteral("Bezeichnung29"), QStringLiteral("Zinsen im"), {2160, 390, 1900, 255});
    for (int k = 0; k < 6; ++k) {
        const int top = 720 + k * 480;
        MakeLabel(Rahmen5_, QStringLiteral("Bezeichnung%1").arg(23 + k), QStringLiteral("%1. Jahr").arg(k + 1),
                  {600, top + 45, 1200, 255});
        typeAInterest_[static_cast<std::size_t>(k)] =
            MakeOutputField(Rahmen5_, QStringLiteral("Text%1").arg(18 + k), {2160, top, 1920, 315});
    }
    QPushButton* Befehl5 = MakeButton(Rahmen5_, QStringLiteral("Befehl5"), QStringLiteral("zurück"), {1380, 3960, 1560, 405});
    Rahmen5_->setVisible(false);

    Rahmen4_ = MakeFrame(this, QStringLiteral("Rahmen4"), QStringLiteral("Details Typ B"), {120, 120, 4320, 4680});
    MakeLabel(Rahmen4_, QStringLiteral("Bezeichnung13"), QStringLiteral("Zu verzinsender Betrag im"), {1020, 270, 1680, 450})
        ->setWordWrap(true);
    MakeLabel(Rahmen4_, QStringLiteral("Bezeichnung15"), QStringLiteral("Zinsen im"), {2820, 465, 1380, 255});
    for (int k = 0; k < kMaxBondYears; ++k) {
        const int top = 840 + k * 420;
        const auto i = static_cast<std::size_t>(k);
        MakeLabel(Rahmen4_, QStringLiteral("Bezeichnung%1").arg(16 + k), QStringLiteral("%1.Jahr").arg(k + 1),
                  {180, top + 45, 780, 255});
        typeBBase_[i] = MakeOutputField(Rahmen4_, QStringLiteral("Text%1").arg(4 + k), {1020, top, 1680, 315});
        typeBInterest_[i] = MakeOutputField(Rahmen4_, QStringLiteral("Text%1").arg(11 + k), {2820, top, 1380, 315});
    }
    QPushButton* Befehl4 = MakeButton(Rahmen4_, QStringLiteral("Befehl4"), QStringLiteral("zurück"), {1380, 3960, 1560, 405});
    Rahmen4_->setVisible(false);

    connect(Option1_, &QRadioButton::toggled, this, [this](bool on) { if (on) Option1_Click(); });
    connect(Option2_, &QRadioButton::toggled, this, [this](bool on) { if (on) Option2_Click(); });
    connect(Befehl1, &QPushButton::clicked, this, &frmBuschatz::Befehl1_Click);
    connect(Befehl2, &QPushButton::clicked, this, &frmBuschatz::Befehl2_Click);
    connect(Befehl3_, &QPushButton::clicked, this, &frmBuschatz::Befehl3_Click);
    connect(Befehl4, &QPushButton::clicked, this, &frmBuschatz::Befehl4_Click);
    connect(Befehl5, &QPushButton::clicked, this, &frmBuschatz::Befehl5_Click);
    OrderTabsByReading(this);
    CenterOnDesktop(this);
    Option1_->setChecked(true);  // runs Option1_Click, so the screen opens with a first result
}

void frmBuschatz::Option1_Click() { ShowType(BondType::A); }

void frmBuschatz::Option2_Click() { ShowType(BondType::B); }

// The rate of year 7 counts for type B only; a change of type computes at once.
void frmBuschatz::ShowType(BondType type) {
    Bezeichnung9_->setVisible(type == BondType::B);
    rateBoxes_[6]->setVisible(type == BondType::B);
    Bezeichnung14_->setText(type == BondType::A ? kNoteTypeA : kNoteTypeB);
    Befehl1_Click();
}

BondType frmBuschatz::SelectedType() const { return Option2_->isChecked() ? BondType::B : BondType::A; }

void frmBuschatz::Befehl1_Click() {
    if (const auto in = ReadInputs()) {
        const SavingsBondResult result = ComputeSavingsBond(*in);
        if (result.ok()) WriteResult(result);
        else ShowInputError(this, ResultTooLargeText(), kTitle);
    }
    Befehl3_->setVisible(true);
}

std::optional<SavingsBondInputs> frmBuschatz::ReadInputs() {
    const auto amount =
        ReadOrRefuse({this, kTitle, QStringLiteral("Angelegter Betrag ist nicht numerisch.")}, {Text1_}, NumberReading::Locale);
    if (!amount) return std::nullopt;
    SavingsBondInputs in{SelectedType(), (*amount)[0], {}};
    // The rate boxes take any typed text; only the years of the selected type are read.
    for (int k = 0; k < BondYears(in.type); ++k) {
        const auto i = static_cast<std::size_t>(k);
        const Refusal refusal{this, kTitle, QStringLiteral("Zinssatz im %1. Jahr ist nicht numerisch.").arg(k + 1)};
        const auto rate = ReadOrRefuse(refusal, {rateBoxes_[i]}, NumberReading::Locale);
        if (!rate) return std::nullopt;
        in.rates[i] = (*rate)[0];
    }
    return in;
}

void frmBuschatz::WriteResult(const SavingsBondResult& result) {
    // Each type fills only its own detail fields; the other type's keep what they held.
    if (SelectedType() == BondType::A) {
        for (std::size_t k = 0; k < typeAInterest_.size(); ++k) WriteCurrency(typeAInterest_[k], result.years[k].interest);
    } else {
        for (std::size_t k = 0; k < typeBBase_.size(); ++k) {
            WriteCurrency(typeBBase_[k], result.years[k].base);
            WriteCurrency(typeBInterest_[k], result.years[k].interest);
        }
    }
    WriteCurrency(Text2_, result.endAmount);
    WriteCurrency(Text3_, result.interest);
}

void frmBuschatz::Befehl3_Click() {
    Rahmen1_->setVisible(false);
    const bool typeA = SelectedType() == BondType::A;
    Rahmen5_->setVisible(typeA);
    Rahmen4_->setVisible(!typeA);
}

void frmBuschatz::Befehl5_Click() {
    Rahmen5_->setVisible(false);
    Rahmen1_->setVisible(true);
}

void frmBuschatz::Befehl4_Click() {
    Rahmen4_->setVisible(false);
    Rahmen1_->setVisible(true);
}

void frmBuschatz::Befehl2_Click() { hide(); }

}  // namespace zolt
