#include "ui/misc/frmZinssatz.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/InterestRate.h"
#include "ui/common/FormKit.h"
#include "ui/common/FormControls.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/ScreenSlots.h"

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

// The captions of this screen wrap onto a second line where they are long.
QLabel* WrappedLabel(QWidget* parent, const QString& name, const QString& text, TwipsRect at) {
    QLabel* label = MakeLabel(parent, name, text, at);
    label->setWordWrap(true);
    return label;
}

}  // namespace

frmZinssatz::frmZinssatz(ScreenSlots& screens, QWidget* parent) : QWidget(parent), screens_(screens) {
    setObjectName(QStringLiteral("frmZinssatz"));
    setWindowTitle(QStringLiteral("Zinsatzermittlung"));
    setFont(DialogFont());
    SetClientTwips(this, 7200, 5160);

    Bezeichnung6 = WrappedLabel(this, QStringLiteral("Bezeichnung6"), QStringLiteral("Ermittlung des Zinssatzes bei vorgegebenen Anfangs - und Endkapital"), {240, 150, 6720, 315});
    QFont bold = Bezeichnung6->font();
    bold.setBold(true);
    Bezeichnung6->setFont(bold);
    Bezeichnung6->setAlignment(Qt::AlignCenter);

    Rahmen1 = MakeFrame(this, QStringLiteral("Rahmen1"), QStringLiteral("Eingabedaten"), {240, 600, 6720, 2580});
    Bezeichnung1 = WrappedLabel(Rahmen1, QStringLiteral("Bezeichnung1"), QStringLiteral("Vorhandenes Anfangskapital   ?"), {240, 390, 4200, 285});
    Text1 = MakeTextField(Rahmen1, QStringLiteral("Text1"), QString(), {4560, 360, 1920, 315});
    Bezeichnung2 = WrappedLabel(Rahmen1, QStringLiteral("Bezeichnung2"), QStringLiteral("Gewünschtes Endkapital   ?"), {240, 870, 4200, 285});
    Text2 = MakeTextField(Rahmen1, QStringLiteral("Text2"), QString(), {4560, 840, 1920, 315});
    Bezeichnung5 = WrappedLabel(Rahmen1, QStringLiteral("Bezeichnung5"), QString(), {240, 1320, 6240, 285});
    QPalette red = Bezeichnung5->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Bezeichnung5->setPalette(red);
    Bezeichnung3 = WrappedLabel(Rahmen1, QStringLiteral("Bezeichnung3"), QStringLiteral("Nach wieviel Jahren soll das Endkapital erreicht sein ?"), {240, 1740, 4200, 495});
    Text3 = MakeTextField(Rahmen1, QStringLiteral("Text3"), QString(), {4560, 1830, 1920, 315});

    Rahmen2 = MakeFrame(this, QStringLiteral("Rahmen2"), QStringLiteral("Ausgabedaten"), {240, 3300, 6720, 1020});
    Bezeichnung4 = WrappedLabel(Rahmen2, QStringLiteral("Bezeichnung4"), QStringLiteral(" Notwendiger Zinsatz für die gewünschte Kapitalvermehrung   (in %)"), {240, 330, 4200, 495});
    Text4 = MakeOutputField(Rahmen2, QStringLiteral("Text4"), {4560, 420, 1920, 315});
    Text4->setAlignment(Qt::AlignRight);

    Befehl1 = MakeButton(this, QStringLiteral("Befehl1"), QStringLiteral("Berechnung"), {240, 4500, 2160, 420});
    Befehl1->setDefault(true);
    Befehl2 = MakeButton(this, QStringLiteral("Befehl2"), QStringLiteral("Beenden"), {4800, 4500, 2160, 420});

    connect(Befehl1, &QPushButton::clicked, this, &frmZinssatz::Befehl1_Click);
    connect(Befehl2, &QPushButton::clicked, this, &frmZinssatz::Befehl2_Click);
    Form_Load();
}

void frmZinssatz::Form_Load() { CenterOnDesktop(this); }

void frmZinssatz::Form_Activate() { Text1->setFocus(); }

bool frmZinssatz::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Form_Activate();
    return QWidget::event(event);
}

void frmZinssatz::Befehl1_Click() {
    bool overflow = false;
    const auto values = ReadCurrencyFields({Text1, Text2, Text3}, &overflow);
    if (!values) {
        ShowInputError(this,
                       overflow ? QStringLiteral("Eine eingegebene Zahl ist zu groß.")
                                : QStringLiteral("Eingegebene Daten sind nicht numerisch."),
                       kTitle);
        return;
    }
    const InterestRateResult result = RequiredInterestRate({(*values)[0], (*values)[1], (*values)[2]});
    if (!result.ok()) {
        ShowInputError(this, RefusalMessage(result.refusal), kTitle);
        return;
    }
    Bezeichnung5->setText(result.endBelowStart ? kWarning : QString());
    WriteNumber(Text4, result.ratePercent, "##.00");
}

void frmZinssatz::Befehl2_Click() { hide(); }

}  // namespace zolt
