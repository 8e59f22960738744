#include "ui/misc/frmZinssatz.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/InterestRate.h"
#include "ui/common/FormControls.h"
#include "ui/common/FormKit.h"
#include "ui/common/HintLine.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"

namespace zolt {

namespace {

const QString kTitle = QStringLiteral("Zinssatz Fehlernachricht");
const QString kWarning = QStringLiteral("--->ENDKAPITAL IST KLEINER ANFANGSKAPITAL");

QString RefusalMessage(InterestRateRefusal refusal) {
    switch (refusal) {
        case InterestRateRefusal::ZeroStartCapital:
            return QStringLiteral("Das Anfangskapital darf nicht 0 sein.");
        case InterestRateRefusal::ZeroYears:
            return QStringLiteral("Die Anzahl der Jahre darf nicht 0 sein.");
        case InterestRateRefusal::NegativeRatioFraction:
            return Paragraphs({QStringLiteral("Anfangs- und Endkapital haben verschiedene Vorzeichen."),
                               QStringLiteral("Für diese Anzahl der Jahre lässt sich daraus kein Zinssatz "
                                              "ermitteln.")});
        case InterestRateRefusal::NotFinite:
        case InterestRateRefusal::None:
            break;
    }
    return Paragraphs({QStringLiteral("Der Zinssatz ist zu groß oder nicht bestimmbar."),
                       QStringLiteral("Bitte überprüfen Sie die eingegebenen Daten.")});
}

// The long captions of this screen wrap onto a second line.
QLabel* WrappedLabel(QWidget* parent, const QString& name, const QString& text, TwipsRect at) {
    QLabel* label = MakeLabel(parent, name, text, at);
    label->setWordWrap(true);
    return label;
}

}  // namespace

frmZinssatz::frmZinssatz(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmZinssatz"));
    setWindowTitle(QStringLiteral("Zinsatzermittlung"));
    setFont(DialogFont());
    SetClientTwips(this, 7200, 5160);

    QLabel* heading = WrappedLabel(
        this, QStringLiteral("Bezeichnung6"),
        QStringLiteral("Ermittlung des Zinssatzes bei vorgegebenen Anfangs - und Endkapital"), {240, 150, 6720, 315});
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setAlignment(Qt::AlignCenter);

    QGroupBox* Rahmen1 = MakeFrame(this, QStringLiteral("Rahmen1"), QStringLiteral("Eingabedaten"), {240, 600, 6720, 2580});
    WrappedLabel(Rahmen1, QStringLiteral("Bezeichnung1"), QStringLiteral("Vorhandenes Anfangskapital   ?"),
                 {240, 390, 4200, 285});
    Text1_ = MakeTextField(Rahmen1, QStringLiteral("Text1"), QString(), {4560, 360, 1920, 315});
    WrappedLabel(Rahmen1, QStringLiteral("Bezeichnung2"), QStringLiteral("Gewünschtes Endkapital   ?"),
                 {240, 870, 4200, 285});
    Text2_ = MakeTextField(Rahmen1, QStringLiteral("Text2"), QString(), {4560, 840, 1920, 315});
    Bezeichnung5_ = WrappedLabel(Rahmen1, QStringLiteral("Bezeichnung5"), QString(), {240, 1320, 6240, 285});
    QPalette red = Bezeichnung5_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Bezeichnung5_->setPalette(red);
    WrappedLabel(Rahmen1, QStringLiteral("Bezeichnung3"),
                 QStringLiteral("Nach wieviel Jahren soll das Endkapital erreicht sein ?"), {240, 1740, 4200, 495});
    Text3_ = MakeTextField(Rahmen1, QStringLiteral("Text3"), QString(), {4560, 1830, 1920, 315});

    QGroupBox* Rahmen2 = MakeFrame(this, QStringLiteral("Rahmen2"), QStringLiteral("Ausgabedaten"), {240, 3300, 6720, 1020});
    WrappedLabel(Rahmen2, QStringLiteral("Bezeichnung4"),
                 QStringLiteral(" Notwendiger Zinsatz für die gewünschte Kapitalvermehrung   (in %)"),
                 {240, 330, 4200, 495});
    Text4_ = MakeOutputField(Rahmen2, QStringLiteral("Text4"), {4560, 420, 1920, 315});
    Text4_->setAlignment(Qt::AlignRight);

    QPushButton* Befehl1 = MakeButton(this, QStringLiteral("Befehl1"), QStringLiteral("Berechnung"), {240, 4500, 2160, 420});
    Befehl1->setDefault(true);
    QPushButton* Befehl2 = MakeButton(this, QStringLiteral("Befehl2"), QStringLiteral("Beenden"), {4800, 4500, 2160, 420});

    connect(Befehl1, &QPushButton::clicked, this, &frmZinssatz::Befehl1_Click);
    connect(Befehl2, &QPushButton::clicked, this, &frmZinssatz::Befehl2_Click);
    FocusOnActivation(this, Text1_);
    OrderTabsByReading(this);
    CenterOnDesktop(this);
}

void frmZinssatz::Befehl1_Click() {
    const auto values = ReadOrRefuse({this, kTitle}, {Text1_, Text2_, Text3_});
    if (!values) return;
    const auto [startCapital, endCapital, years] = *values;
    const InterestRateResult result = RequiredInterestRate({startCapital, endCapital, years});
    if (!result.ok()) {
        ShowInputError(this, RefusalMessage(result.refusal), kTitle);
        return;
    }
    Bezeichnung5_->setText(result.endBelowStart ? kWarning : QString());
    WriteNumber(Text4_, result.ratePercent, "##.00");
}

void frmZinssatz::Befehl2_Click() { hide(); }

}  // namespace zolt
