#include "app/frmZoltauswahl.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <array>
#include <vector>

#include "ui/common/FormControls.h"
#include "ui/common/HintLine.h"
#include "ui/common/Layout.h"
#include "ui/common/ScreenSlots.h"

namespace zolt {

namespace {

constexpr int kClientWidth = 9630;
constexpr int kClientHeight = 6300;
constexpr int kGradientBands = 256;

struct FrameSpec {
    const char* name;
    const char* caption;
    int left, top, width, height;
};

// Rahmen1 .. Rahmen4, in twips relative to the window.
constexpr std::array<FrameSpec, 4> kFrames{{
    {"Rahmen1", "Sparen", 570, 270, 3555, 2745},
    {"Rahmen2", "Kredit", 570, 3150, 3555, 2295},
    {"Rahmen3", "Diverses", 5700, 270, 3555, 2655},
    {"Rahmen4", "Hinweise", 570, 5520, 8745, 645},
}};

constexpr int kOnWindow = -1;

struct ButtonSpec {
    const char* name;
    const char* caption;
    int frame;  // index into kFrames, or kOnWindow; positions are relative to the container
    int left, top, width, height;
    const char* status;  // nullptr: the status line keeps its text over the button
    void (frmZoltauswahl::*click)();
};

const std::array<ButtonSpec, 15> kButtons{{
    {"Befehl2", "Spareinlagen", 0, 300, 510, 2925, 345, "Spareinlagen, Festzolter, Tageszolter, Sparplan.",
     &frmZoltauswahl::Befehl2_Click},
    {"Befehl3", "Bundesschatzbriefe", 0, 300, 1110, 2925, 345,
     "Berechnet Zinsen und Kapitalentwicklung von Bundesschatzbriefen Typ A und Typ B.",
     &frmZoltauswahl::Befehl3_Click},
    {"Befehl14", "Plussparen-Extrasparen", 0, 300, 1710, 2925, 345, "Sparen mit wachsenden Zinssatz",
     &frmZoltauswahl::Befehl14_Click},
    {"Befehl15", "Summen-Sparen", 0, 300, 2280, 2925, 345,
     "Berechnet die Höhe der Sparrate um einen Wunschsparbetrag zu erhalten.", &frmZoltauswahl::Befehl15_Click},
    {"Befehl5", "Kredit-Rate", 1, 300, 340, 2925, 375, "Berechnet die Ratenhöhe von Krediten.",
     &frmZoltauswahl::Befehl5_Click},
    {"Befehl6", "Kredit-Laufzeit", 1, 300, 820, 2925, 345, "Berechnet die Laufzeit von Krediten.",
     &frmZoltauswahl::Befehl6_Click},
    {"Befehl7", "Kredit-Zinssatzermittlung", 1, 300, 1300, 2925, 345, "Berechnet den Zinssatz von Krediten.",
     &frmZoltauswahl::Befehl7_Click},
    {"Befehl17", "Kreditvergleich", 1, 300, 1780, 2925, 345, "Vergleicht verschiedene Kreditangebote.",
     &frmZoltauswahl::Befehl17_Click},
    {"Befehl8", "Rente", 2, 330, 420, 2925, 345, "Kapitalbedarf bei Ewigen-Renten, Laufzeit von Kapitalrenten.",
     &frmZoltauswahl::Befehl8_Click},
    {"Befehl13", "Kapital-Vervielfachung", 2, 330, 960, 2925, 345,
     "Berechnet die Zeitdauer für eine Kapital Ver n-Fachung.", &frmZoltauswahl::Befehl13_Click},
    {"Befehl4", "Zinsatzermittlung", 2, 330, 1500, 2925, 345,
     "Zinssatzermittlung bei vorgegebenen Anfangs-u. Endkapital.", &frmZoltauswahl::Befehl4_Click},
    {"Befehl10", "\"Alternative\"", 2, 330, 2040, 2925, 345, "Nichts übrig zum Sparen ? 'Alternative'--> Lotto.",
     &frmZoltauswahl::Befehl10_Click},
    {"Befehl18", "Baufinanzierung", kOnWindow, 6030, 3300, 2955, 345,
     "Annuitätendarlehen mit Zinsbindung, Sondertilgung und effektivem Jahreszins",
     &frmZoltauswahl::Befehl18_Click},
    {"Befehl16", "Hinweis", kOnWindow, 6030, 3960, 2955, 345, nullptr, &frmZoltauswahl::Befehl16_Click},
    {"Befehl1", "Beenden", kOnWindow, 6030, 4620, 2955, 345, "Beendet das Programm.",
     &frmZoltauswahl::Befehl1_Click},
}};

}  // namespace

frmZoltauswahl::frmZoltauswahl(ScreenSlots& screens, QWidget* parent) : QWidget(parent), screens_(screens) {
    setObjectName(QStringLiteral("frmZoltauswahl"));
    setWindowTitle(QStringLiteral("ZOLT - AUSWAHLMENÜ"));
    setFont(DialogFont());
    SetClientTwips(this, kClientWidth, kClientHeight);

    std::vector<QGroupBox*> frames;
    for (const FrameSpec& row : kFrames) {
        QGroupBox* frame = MakeFrame(this, QString::fromUtf8(row.name), QString::fromUtf8(row.caption),
                                     {row.left, row.top, row.width, row.height});
        // Frames are opaque panels over the gradient, as the buttons are.
        frame->setAutoFillBackground(true);
        frames.push_back(frame);
    }

    // The status line: the button under the mouse explains itself there. The window's free
    // area and the frames empty it; over "Hinweis" and over the line itself it keeps its text.
    QLabel* Bezeichnung1 = MakeLabel(frames[3], QStringLiteral("Bezeichnung1"), QString(), {120, 270, 8535, 225});
    QPalette red = Bezeichnung1->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Bezeichnung1->setPalette(red);
    auto* status = new HintLine(Bezeichnung1);
    status->ClearOver(this);
    for (QGroupBox* frame : frames) status->ClearOver(frame);
    status->KeepOver(Bezeichnung1);

    for (const ButtonSpec& row : kButtons) {
        QWidget* container = row.frame == kOnWindow ? static_cast<QWidget*>(this) : frames[static_cast<std::size_t>(row.frame)];
        QPushButton* button = MakeButton(container, QString::fromUtf8(row.name), QString::fromUtf8(row.caption),
                                         {row.left, row.top, row.width, row.height});
        if (row.status) status->ShowOver(button, QString::fromUtf8(row.status));
        else status->KeepOver(button);
        connect(button, &QPushButton::clicked, this, row.click);
    }

    // The donation label is not created: the program has no donation address.
    Form_Load();
}

void frmZoltauswahl::Form_Load() { CenterOnDesktop(this); }

void frmZoltauswahl::Befehl1_Click() { screens_.EndProgram(); }
void frmZoltauswahl::Befehl2_Click() { screens_.Open(ScreenId::ZinsSheet); }
void frmZoltauswahl::Befehl3_Click() { screens_.Open(ScreenId::frmBuschatz); }
void frmZoltauswahl::Befehl4_Click() { screens_.Open(ScreenId::frmZinssatz); }
void frmZoltauswahl::Befehl5_Click() { screens_.Open(ScreenId::LoanSheet); }
void frmZoltauswahl::Befehl6_Click() { screens_.Open(ScreenId::frmLaufzeit); }
void frmZoltauswahl::Befehl7_Click() { screens_.Open(ScreenId::frmKZinssatz); }
void frmZoltauswahl::Befehl8_Click() { screens_.Open(ScreenId::frmRente); }
void frmZoltauswahl::Befehl13_Click() { screens_.Open(ScreenId::frmVielfach); }
void frmZoltauswahl::Befehl14_Click() { screens_.Open(ScreenId::frmExtra); }
void frmZoltauswahl::Befehl15_Click() { screens_.Open(ScreenId::frmSSumme); }
void frmZoltauswahl::Befehl16_Click() { screens_.Open(ScreenId::frmHinweis); }
void frmZoltauswahl::Befehl17_Click() { screens_.Open(ScreenId::frmKreditvergleich); }
void frmZoltauswahl::Befehl18_Click() { screens_.Open(ScreenId::frmBaufinanzierung); }

void frmZoltauswahl::Befehl10_Click() {
    // The lottery picker stands in for the menu while it is open and shows it again on closing.
    // Without a picker to show, hiding the menu would leave the user with no window at all.
    if (screens_.Open(ScreenId::frmKugel1)) hide();
}

void frmZoltauswahl::paintEvent(QPaintEvent*) {
    // 256 bands from pure green at the top to black at the bottom, always over the current
    // client height; band edges are spread so that the bands fill it without a gap.
    QPainter painter(this);
    const int w = width();
    const int h = height();
    for (int band = 0; band < kGradientBands; ++band) {
        const int top = h * band / kGradientBands;
        const int bottom = h * (band + 1) / kGradientBands;
        if (bottom > top) painter.fillRect(0, top, w, bottom - top, QColor(0, 255 - band, 0));
    }
}

void frmZoltauswahl::closeEvent(QCloseEvent* event) {
    event->accept();
    Befehl1_Click();
}

}  // namespace zolt
