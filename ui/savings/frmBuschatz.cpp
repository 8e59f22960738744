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
#include "ui/common/ScreenSlots.h"

namespace zolt {

namespace {
const QString kErrorTitle = QStringLiteral("Schatzbrief Fehlernachricht");
const QString kNoteTypeA = QStringLiteral(" Die Laufzeit der Anlage beträgt bei Typ A 6 Jahre, kein Zinseszins.");
const QString kNoteTypeB = QStringLiteral("Die Laufzeit der Anlage beträgt bei Typ B 7 Jahre, Zinseszins.");
}  // namespace

frmBuschatz::frmBuschatz(ScreenSlots& screens, QWidget* parent) : QWidget(parent), screens_(screens) {
    setObjectName(QStringLiteral("frmBuschatz"));
    setWindowTitle(QStringLiteral("Bundesschatzbriefe"));
    setFont(DialogFont());
    SetClientTwips(this, 8040, 4920);

    Rahmen1 = MakeFrame(this, QStringLiteral("Rahmen1"), QStringLiteral("Dateneingabe"), {120, 120, 4320, 4680});
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung1"), QStringLiteral("Angelegter Betrag ->"), {240, 390, 1900, 255});
    Text1 = MakeTextField(Rahmen1, QStringLiteral("Text1"), QStringLiteral("0"), {2160, 345, 1920, 315});
    MakeLine(Rahmen1, QStringLiteral("Linie1"), {120, 780, 4080, 30});
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung10"), QStringLiteral("Typ :"), {240, 960, 700, 255});
    Option1 = MakeOption(Rahmen1, QStringLiteral("Option1"), QStringLiteral("Typ A"), {2160, 945, 960, 285});
    Option2 = MakeOption(Rahmen1, QStringLiteral("Option2"), QStringLiteral("Typ B"), {3120, 945, 960, 285});
    MakeLine(Rahmen1, QStringLiteral("Linie2"), {120, 1380, 4080, 30});
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung2"), QStringLiteral("Zinssatz"), {2160, 1500, 1500, 255});
    for (int k = 0; k < kMaxBondYears; ++k) {
        const int top = 1800 + k * 390;
        const auto i = static_cast<std::size_t>(k);
        yearLabels_[i] = MakeLabel(Rahmen1, QStringLiteral("Bezeichnung%1").arg(k + 3), QStringLiteral("%1. Jahr").arg(k + 1),
                                   {600, top + 45, 1200, 255});
        rateBoxes_[i] = MakeRateBox(Rahmen1, QStringLiteral("Kombi%1").arg(k + 1), QStringLiteral("0,0"), {2160, top, 1320, 315});
    }
    MakeLine(Rahmen1, QStringLiteral("Linie3"), {120, 4560, 4080, 30});

    QGroupBox* Rahmen3 = MakeFrame(this, QStringLiteral("Rahmen3"), QStringLiteral("Ergebnisse"), {4560, 120, 3360, 1920});
    MakeLabel(Rahmen3, QStringLiteral("Bezeichnung11"), QStringLiteral("Betrag am Ende der Laufzeit"), {180, 300, 3000, 255});
    Text2 = MakeOutputField(Rahmen3, QStringLiteral("Text2"), {180, 570, 3000, 420});
    MakeLabel(Rahmen3, QStringLiteral("Bezeichnung12"), QStringLiteral("Davon Zinsen"), {180, 1110, 3000, 255});
    Text3 = MakeOutputField(Rahmen3, QStringLiteral("Text3"), {180, 1380, 3000, 420});
    Text2->setFont(ResultFont());
    Text3->setFont(ResultFont());

    QGroupBox* Rahmen2 = MakeFrame(this, QStringLiteral("Rahmen2"), QStringLiteral("Hinweis"), {4560, 2160, 3360, 1080});
    Bezeichnung14 = MakeLabel(Rahmen2, QStringLiteral("Bezeichnung14"), QString(), {180, 270, 3000, 720});
    Bezeichnung14->setWordWrap(true);
    Bezeichnung14->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Befehl1 = MakeButton(this, QStringLiteral("Befehl1"), QStringLiteral("Berechnen"), {5160, 3360, 2160, 405});
    Befehl3 = MakeButton(this, QStringLiteral("Befehl3"), QStringLiteral("Details"), {5160, 3840, 2160, 405});
    Befehl2 = MakeButton(this, QStringLiteral("Befehl2"), QStringLiteral("Beenden"), {5160, 4320, 2160, 405});
    Befehl3->setVisible(false);

    // The detail frames lie over the data-entry frame and replace it while shown.
    Rahmen5 = MakeFrame(this, QStringLiteral("Rahmen5"), QStringLiteral("Details Typ A"), {120, 120, 4320, 4680});
    MakeLabel(Rahmen5, QStringLiteral("Bezeichnung29"), QStringLiteral("Zinsen im"), {2160, 390, 1900, 255});
    for (int k = 0; k < 6; ++k) {
        const int top = 720 + k * 480;
        MakeLabel(Rahmen5, QStringLiteral("Bezeichnung%1").arg(23 + k), QStringLiteral("%1. Jahr").arg(k + 1),
                  {600, top + 45, 1200, 255});
        typeAInterest_[static_cast<std::size_t>(k)] =
            MakeOutputField(Rahmen5, QStringLiteral("Text%1").arg(18 + k), {2160, top, 1920, 315});
    }
    Befehl5 = MakeButton(Rahmen5, QStringLiteral("Befehl5"), QStringLiteral("zurück"), {1380, 3960, 1560, 405});
    Rahmen5->setVisible(false);

    Rahmen4 = MakeFrame(this, QStringLiteral("Rahmen4"), QStringLiteral("Details Typ B"), {120, 120, 4320, 4680});
    auto* heading = MakeLabel(Rahmen4, QStringLiteral("Bezeichnung13"), QStringLiteral("Zu verzinsender Betrag im"),
                              {1020, 270, 1680, 450});
    heading->setWordWrap(true);
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung15"), QStringLiteral("Zinsen im"), {2820, 465, 1380, 255});
    for (int k = 0; k < kMaxBondYears; ++k) {
        const int top = 840 + k * 420;
        const auto i = static_cast<std::size_t>(k);
        MakeLabel(Rahmen4, QStringLiteral("Bezeichnung%1").arg(16 + k), QStringLiteral("%1.Jahr").arg(k + 1),
                  {180, top + 45, 780, 255});
        typeBBase_[i] = MakeOutputField(Rahmen4, QStringLiteral("Text%1").arg(4 + k), {1020, top, 1680, 315});
        typeBInterest_[i] = MakeOutputField(Rahmen4, QStringLiteral("Text%1").arg(11 + k), {2820, top, 1380, 315});
    }
    Befehl4 = MakeButton(Rahmen4, QStringLiteral("Befehl4"), QStringLiteral("zurück"), {1380, 3960, 1560, 405});
    Rahmen4->setVisible(false);

    connect(Option1, &QRadioButton::toggled, this, [this](bool on) { if (on) Option1_Click(); });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) { if (on) Option2_Click(); });
    connect(Befehl1, &QPushButton::clicked, this, &frmBuschatz::Befehl1_Click);
    connect(Befehl2, &QPushButton::clicked, this, &frmBuschatz::Befehl2_Click);
    connect(Befehl3, &QPushButton::clicked, this, &frmBuschatz::Befehl3_Click);
    connect(Befehl4, &QPushButton::clicked, this, &frmBuschatz::Befehl4_Click);
    connect(Befehl5, &QPushButton::clicked, this, &frmBuschatz::Befehl5_Click);

    Form_Load();
}

void frmBuschatz::Form_Load() {
    CenterOnDesktop(this);
    yearLabels_[6]->setVisible(false);
    rateBoxes_[6]->setVisible(false);
    Option1->setChecked(true);  // runs Option1_Click, so the screen opens with a first result
    Bezeichnung14->setText(kNoteTypeA);
}

void frmBuschatz::Option1_Click() {
    yearLabels_[6]->setVisible(false);
    rateBoxes_[6]->setVisible(false);
    Bezeichnung14->setText(kNoteTypeA);
    Befehl1_Click();
}

void frmBuschatz::Option2_Click() {
    yearLabels_[6]->setVisible(true);
    rateBoxes_[6]->setVisible(true);
    Bezeichnung14->setText(kNoteTypeB);
    Befehl1_Click();
}

void frmBuschatz::Befehl1_Click() {
    Calculate();
    Befehl3->setVisible(true);
}

BondType frmBuschatz::SelectedType() const { return Option2->isChecked() ? BondType::B : BondType::A; }

void frmBuschatz::Calculate() {
    const auto amount = ReadLocaleFields({Text1});
    if (!amount) {
        ShowInputError(this, QStringLiteral("Angelegter Betrag ist nicht numerisch."), kErrorTitle);
        return;
    }
    SavingsBondInputs in;
    in.type = SelectedType();
    in.amount = amount->front();
    // The rate boxes take any typed text; only the years of the selected type are read.
    for (int k = 0; k < BondYears(in.type); ++k) {
        const auto rate = ReadLocaleFields({rateBoxes_[static_cast<std::size_t>(k)]});
        if (!rate) {
            ShowInputError(this, QStringLiteral("Zinssatz im %1. Jahr ist nicht numerisch.").arg(k + 1), kErrorTitle);
            return;
        }
        in.rates[static_cast<std::size_t>(k)] = rate->front();
    }
    const SavingsBondResult result = ComputeSavingsBond(in);
    if (!result.ok()) {
        ShowInputError(this, ResultTooLargeText(), kErrorTitle);
        return;
    }
    WriteResult(result);
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
    WriteCurrency(Text2, result.endAmount);
    WriteCurrency(Text3, result.interest);
}

void frmBuschatz::Befehl3_Click() {
    Rahmen1->setVisible(false);
    const bool typeA = SelectedType() == BondType::A;
    Rahmen5->setVisible(typeA);
    Rahmen4->setVisible(!typeA);
}

void frmBuschatz::Befehl5_Click() {
    Rahmen5->setVisible(false);
    Rahmen1->setVisible(true);
}

void frmBuschatz::Befehl4_Click() {
    Rahmen4->setVisible(false);
    Rahmen1->setVisible(true);
}

void frmBuschatz::Befehl2_Click() { hide(); }

}  // namespace zolt
