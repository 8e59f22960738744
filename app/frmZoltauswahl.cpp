#include "app/frmZoltauswahl.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <array>

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
    const char* status;  // nullptr: the button leaves the status line as it is
    void (frmZoltauswahl::*click)();
};

const std::array<ButtonSpec, 14> kButtons{{
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
    Track(this);

    for (const FrameSpec& row : kFrames) {
        auto* frame = new QGroupBox(QString::fromUtf8(row.caption), this);
        frame->setObjectName(QString::fromUtf8(row.name));
        // Frames are opaque panels over the gradient, as the buttons are.
        frame->setAutoFillBackground(true);
        PlaceTwips(frame, row.left, row.top, row.width, row.height);
        Track(frame);
        frames_.push_back(frame);
    }

    Bezeichnung1 = new QLabel(frames_[3]);
    Bezeichnung1->setObjectName(QStringLiteral("Bezeichnung1"));
    QPalette red = Bezeichnung1->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Bezeichnung1->setPalette(red);
    PlaceTwips(Bezeichnung1, 120, 270, 8535, 225);
    // The status line itself has no mouse behaviour: over it the text stays.
    Track(Bezeichnung1);

    for (const ButtonSpec& row : kButtons) {
        QWidget* container = row.frame == kOnWindow ? static_cast<QWidget*>(this) : frames_[static_cast<std::size_t>(row.frame)];
        auto* button = new QPushButton(QString::fromUtf8(row.caption), container);
        button->setObjectName(QString::fromUtf8(row.name));
        PlaceTwips(button, row.left, row.top, row.width, row.height);
        Track(button);
        if (row.status) statusTexts_.emplace_back(button, QString::fromUtf8(row.status));
        connect(button, &QPushButton::clicked, this, row.click);
    }

    // The donation label is not created: the program has no donation address.
    Form_Load();
}

void frmZoltauswahl::Form_Load() { CenterOnDesktop(this); }

void frmZoltauswahl::Track(QWidget* widget) {
    widget->setMouseTracking(true);
    if (widget != this) widget->installEventFilter(this);
}

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

void frmZoltauswahl::Befehl10_Click() {
    // The lottery picker stands in for the menu while it is open and shows it again on closing.
    // Without a picker to show, hiding the menu would leave the user with no window at all.
    if (screens_.Open(ScreenId::frmKugel1)) hide();
}

bool frmZoltauswahl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseMove) return QWidget::eventFilter(watched, event);
    const auto* move = static_cast<QMouseEvent*>(event);
    // While a mouse button is held the button itself needs the moves (press and drag off).
    const bool consume = move->buttons() == Qt::NoButton;
    for (const auto& [button, text] : statusTexts_) {
        if (watched == button) {
            Bezeichnung1->setText(text);
            return consume;
        }
    }
    for (QGroupBox* frame : frames_) {
        if (watched == frame) {
            Bezeichnung1->clear();
            return consume;
        }
    }
    // "Hinweis" and the status line itself: the last text stays.
    return consume;
}

void frmZoltauswahl::mouseMoveEvent(QMouseEvent* event) {
    Bezeichnung1->clear();
    event->accept();
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
