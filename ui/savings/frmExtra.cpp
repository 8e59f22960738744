#include "ui/savings/frmExtra.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>

#include "ui/common/FormControls.h"
#include "ui/common/FormKit.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/QtText.h"
#include "ui/common/RowListModel.h"
#include "ui/common/ScreenSlots.h"

namespace zolt {

namespace {
const QString kErrorTitle = QStringLiteral("Extra-Sparen Fehlernachricht");
const QString kNotNumeric =
    QStringLiteral("Eingegebene Daten sind nicht numerisch, oder es wurden nicht alle Daten eingegeben.");
const QString kEndLine = QStringLiteral("Klick hier --> Ende");
}  // namespace

frmExtra::frmExtra(ScreenSlots& screens, QWidget* parent) : QWidget(parent), screens_(screens) {
    setObjectName(QStringLiteral("frmExtra"));
    setWindowTitle(QStringLiteral("Plussparen-Extrasparen"));
    setFont(DialogFont());
    SetClientTwips(this, 8760, 4800);

    Rahmen1 = MakeFrame(this, QStringLiteral("Rahmen1"), QStringLiteral("Dateneingabe"), {120, 120, 4920, 4560});
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung1"), QStringLiteral("Angelegter Betrag   ->"), {180, 375, 2640, 255});
    Text1 = MakeTextField(Rahmen1, QStringLiteral("Text1"), QString(), {2880, 330, 1860, 315});
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung7"), QStringLiteral("Anzahl der Zinzahlungen/Jahr"), {180, 795, 2640, 255});
    Text4 = MakeTextField(Rahmen1, QStringLiteral("Text4"), QString(), {2880, 750, 1860, 315});
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung6"), QStringLiteral("Nominaler Jahreszinsatz (in %)"), {180, 1215, 2640, 255});
    Kombi5 = MakeRateBox(Rahmen1, QStringLiteral("Kombi5"), QStringLiteral("0,0"), {2880, 1170, 1860, 315});
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung2"), QStringLiteral("Laufzeit in Jahren"), {180, 1635, 2640, 255});
    Text5 = MakeTextField(Rahmen1, QStringLiteral("Text5"), QString(), {2880, 1590, 1860, 315});
    MakeLine(Rahmen1, QStringLiteral("Linie1"), {120, 2070, 4680, 30});
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung8"), QStringLiteral("Zinssatzerhöhung ab Guthaben von"), {180, 2220, 4500, 255});
    // Each step: "ab €" label, threshold, rate box, "%" label. The second label has a trailing blank.
    const std::array<const char*, kRateSteps> stepLabels{"ab", "Bezeichnung3", "Bezeichnung4", "Bezeichnung5"};
    const std::array<const char*, kRateSteps> percentLabels{"Bezeichnung9", "Bezeichnung10", "Bezeichnung13",
                                                            "Bezeichnung15"};
    for (int k = 0; k < kRateSteps; ++k) {
        const int top = 2580 + k * 450;
        const auto i = static_cast<std::size_t>(k);
        MakeLabel(Rahmen1, QString::fromLatin1(stepLabels[i]), k == 1 ? QStringLiteral("ab € ") : QStringLiteral("ab €"),
                  {180, top + 45, 720, 255});
        thresholds_[i] = MakeTextField(Rahmen1, QStringLiteral("Text%1").arg(6 + k), QString(), {960, top, 1860, 315});
        stepRates_[i] = MakeRateBox(Rahmen1, QStringLiteral("Kombi%1").arg(1 + k), QStringLiteral("0,0"), {2880, top, 1320, 315});
        MakeLabel(Rahmen1, QString::fromLatin1(percentLabels[i]), QStringLiteral("%"), {4320, top + 45, 360, 255});
    }

    QGroupBox* Rahmen3 = MakeFrame(this, QStringLiteral("Rahmen3"), QStringLiteral("Ergebnisse"), {5160, 120, 3480, 1920});
    MakeLabel(Rahmen3, QStringLiteral("Bezeichnung11"), QStringLiteral("Betrag am Ende der Laufzeit"), {180, 300, 3120, 255});
    Text2 = MakeOutputField(Rahmen3, QStringLiteral("Text2"), {180, 570, 3120, 420});
    MakeLabel(Rahmen3, QStringLiteral("Bezeichnung12"), QStringLiteral("Davon Zinsen"), {180, 1110, 3120, 255});
    Text3 = MakeOutputField(Rahmen3, QStringLiteral("Text3"), {180, 1380, 3120, 420});
    Text2->setFont(ResultFont());
    Text3->setFont(ResultFont());

    QGroupBox* Rahmen2 = MakeFrame(this, QStringLiteral("Rahmen2"), QStringLiteral("Hinweis"), {5160, 2160, 3480, 1080});
    Bezeichnung14 = MakeLabel(Rahmen2, QStringLiteral("Bezeichnung14"), QString(), {180, 270, 3120, 720});
    Bezeichnung14->setWordWrap(true);
    Bezeichnung14->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Befehl1 = MakeButton(this, QStringLiteral("Befehl1"), QStringLiteral("Berechnen"), {5820, 3330, 2160, 405});
    Befehl3 = MakeButton(this, QStringLiteral("Befehl3"), QStringLiteral("Details"), {5820, 3780, 2160, 405});
    Befehl2 = MakeButton(this, QStringLiteral("Befehl2"), QStringLiteral("Beenden"), {5820, 4230, 2160, 405});
    Befehl3->setVisible(false);

    // The details lie over the upper part of the screen; a click into the table closes them.
    Rahmen4 = MakeFrame(this, QStringLiteral("Rahmen4"), QStringLiteral("Details"), {120, 120, 8520, 3180});
    Rahmen4->setAutoFillBackground(true);  // covers the entry frame instead of showing through
    auto* title = MakeLabel(Rahmen4, QStringLiteral("Bezeichnung17"), QStringLiteral("**** JÄHLICHE KAPITALENTWICKLUNG ****"),
                            {180, 270, 8160, 255});
    title->setAlignment(Qt::AlignCenter);
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung16"),
              QStringLiteral("Jahr             Startkapital                   Zinsen                       eff. Zins      "
                             "             Endkapital"),
              {180, 570, 8160, 255});
    const RowList list =
        MakeRowList(Rahmen4, QStringLiteral("Liste1"), [this](int row) { return RowText(row); }, {180, 870, 8160, 2130});
    Liste1 = list.view;
    rows_ = list.model;
    Rahmen4->setVisible(false);

    connect(Befehl1, &QPushButton::clicked, this, &frmExtra::Befehl1_Click);
    connect(Befehl2, &QPushButton::clicked, this, &frmExtra::Befehl2_Click);
    connect(Befehl3, &QPushButton::clicked, this, &frmExtra::Befehl3_Click);
    connect(Liste1, &QListView::clicked, this, &frmExtra::Liste1_Click);

    // Focus and pointer hints come through one event filter.
    for (QComboBox* box : stepRates_) {
        box->installEventFilter(this);
        if (box->lineEdit()) box->lineEdit()->installEventFilter(this);
    }
    for (QWidget* field : {static_cast<QWidget*>(Text4), static_cast<QWidget*>(Rahmen1)}) {
        field->setMouseTracking(true);
        field->installEventFilter(this);
    }
    for (QLineEdit* field : thresholds_) {
        field->setMouseTracking(true);
        field->installEventFilter(this);
    }

    Form_Load();
}

void frmExtra::Form_Load() {
    CenterOnDesktop(this);
    // The rate boxes were filled as they were made; the list's height is set above (2130 twips).
}

bool frmExtra::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == stepRates_[0] || watched == stepRates_[0]->lineEdit()) {
            Kombi1_GotFocus();
        } else {
            for (std::size_t k = 1; k < stepRates_.size(); ++k) {
                if (watched == stepRates_[k] || watched == stepRates_[k]->lineEdit()) KombiStep_GotFocus();
            }
        }
    } else if (event->type() == QEvent::MouseMove) {
        if (watched == Text4) {
            Text4_MouseMove();
        } else if (watched == thresholds_[0]) {
            Text6_MouseMove();
        } else if (watched == thresholds_[1] || watched == thresholds_[2] || watched == thresholds_[3]) {
            TextStep_MouseMove();
        } else if (watched == Rahmen1) {
            // Only the frame's free area clears the hint; moves over its controls reach the
            // frame too when the control ignores them.
            const auto* move = static_cast<QMouseEvent*>(event);
            if (!Rahmen1->childAt(move->position().toPoint())) Rahmen1_MouseMove();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmExtra::Kombi1_GotFocus() {
    Bezeichnung14->setText(QStringLiteral("Der Zinssatz sollte größer als der Ausgangszinssatz sein."));
}

void frmExtra::KombiStep_GotFocus() {
    Bezeichnung14->setText(QStringLiteral("Der Zinssatz sollte größer als der vorherige Zinssatz sein."));
}

void frmExtra::Text4_MouseMove() {
    Bezeichnung14->setText(
        QStringLiteral("Bei mehr als einer Zinszahlung/Jahr ist der eff. Jahreszins höher als Nominalzins."));
}

void frmExtra::Text6_MouseMove() {
    Bezeichnung14->setText(QStringLiteral("Der Betrag sollte größer als das Anfangskapital sein."));
}

void frmExtra::TextStep_MouseMove() {
    Bezeichnung14->setText(QStringLiteral("Der Betrag sollte größer als der vorherige Betrag sein."));
}

void frmExtra::Rahmen1_MouseMove() { Bezeichnung14->clear(); }

std::optional<RisingRateInputs> frmExtra::ReadInputs() {
    // Amount, payment count and term are the checked fields; the rate boxes and the
    // thresholds take any typed text and are checked the same way before they are used.
    bool overflow = false;
    const auto refuse = [&] {
        ShowInputError(this, overflow ? NumberTooLargeText() : kNotNumeric, kErrorTitle);
        return std::nullopt;
    };
    const auto values =
        ReadCurrencyFields({Text1, Text4, Text5, Kombi5, stepRates_[0], stepRates_[1], stepRates_[2], stepRates_[3]},
                           &overflow);
    if (!values) return refuse();
    RisingRateInputs in;
    in.amount = (*values)[0];
    in.paymentsPerYear = (*values)[1];
    in.years = (*values)[2];
    in.baseRate = (*values)[3];
    for (std::size_t k = 0; k < kRateSteps; ++k) {
        in.stepRates[k] = (*values)[4 + k];
        // An empty threshold (blanks alone look empty too) leaves its step at 0.
        if (thresholds_[k]->text().trimmed().isEmpty()) continue;
        const auto threshold = ReadCurrencyFields({thresholds_[k]}, &overflow);
        if (!threshold) return refuse();
        in.thresholds[k] = threshold->front();
    }
    return in;
}

void frmExtra::Befehl1_Click() {
    // Every refusal ends here like a non-numeric entry: the table keeps its rows and gains
    // the end line, the results keep their contents, "Details" becomes visible.
    if (const auto in = ReadInputs()) {
        RisingRateResult result = ComputeRisingRate(*in);
        switch (result.error) {
            case RisingRateError::None:
                ShowResult(std::move(result));
                break;
            case RisingRateError::TooManyPeriods:
                static_assert(kMaxRisingRatePeriods == 1'000'000, "the message names the limit");
                ShowInputError(this,
                               QStringLiteral("Zu viele Zinsperioden: Anzahl der Zinszahlungen/Jahr mal Laufzeit in "
                                              "Jahren darf höchstens 1.000.000 betragen."),
                               kErrorTitle);
                break;
            case RisingRateError::NotFinite:
                ShowInputError(this, ResultTooLargeText(), kErrorTitle);
                break;
        }
    }
    AddEndLine();
    Befehl3->setVisible(true);
}

void frmExtra::ShowResult(RisingRateResult&& result) {
    rows_->Reset(static_cast<int>(result.years.size()), [&] {
        years_ = std::move(result.years);
        endLines_ = 0;
    });
    WriteCurrency(Text2, result.endAmount);
    WriteCurrency(Text3, result.interest);
}

void frmExtra::AddEndLine() {
    rows_->Append(1, [this] { ++endLines_; });
}

QString frmExtra::RowText(int row) const {
    if (row < static_cast<int>(years_.size())) {
        return ToQ(RisingRateRowText(row + 1, years_[static_cast<std::size_t>(row)]));
    }
    return kEndLine;
}

void frmExtra::Befehl3_Click() { Rahmen4->setVisible(true); }

void frmExtra::Liste1_Click() { Rahmen4->setVisible(false); }

void frmExtra::Befehl2_Click() { hide(); }

}  // namespace zolt
