#include "ui/tools/frmCallDlls.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include "core/NumberRules.h"
#include "ui/common/Layout.h"
#include "ui/common/QtText.h"
#include "ui/common/ScreenSlots.h"
#include "ui/tools/SystemQueries.h"
#include "ui/tools/frmMenus.h"

namespace zolt {

namespace {

constexpr int kSpriteSize = 32;
constexpr int kSysInfoInterval = 1000;  // ms
constexpr int kBounceInterval = 30;     // ms
constexpr int kStepX = 6;               // pixels per tick
constexpr int kStepY = 4;

// The bouncing picture: a small frameless window that lets every click through to what lies
// beneath and is shaped by the picture's outline, so only the picture shows.
class BouncingSprite : public QWidget {
public:
    explicit BouncingSprite(const QPixmap& picture)
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowTransparentForInput | Qt::WindowStaysOnTopHint |
                               Qt::WindowDoesNotAcceptFocus),
          picture_(picture) {
        setObjectName(QStringLiteral("picSprite"));
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFixedSize(picture_.size());
        if (!picture_.mask().isNull()) setMask(picture_.mask());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawPixmap(0, 0, picture_);
    }

private:
    QPixmap picture_;
};

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width, int height = 255) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    PlaceTwips(label, left, top, width, height);
    return label;
}

QGroupBox* MakeFrame(QWidget* parent, int index, const QString& caption, int left, int top, int width, int height) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(ArrayName(QStringLiteral("fraInfo"), index));
    PlaceTwips(frame, left, top, width, height);
    return frame;
}

QRect DesktopArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry() : QRect(0, 0, 640, 480);
}

}  // namespace

frmCallDlls::frmCallDlls(ScreenSlots& screens, QWidget* parent) : QWidget(parent), screens_(screens) {
    setObjectName(QStringLiteral("frmCallDlls"));
    setWindowTitle(QStringLiteral("Systeminformationen"));
    setFont(DialogFont());
    SetClientTwips(this, 6240, 4200);

    fraInfo[0] = MakeFrame(this, 0, QStringLiteral("Anleitungen"), 120, 60, 4920, 660);
    lblInfo[1] = MakeLabel(fraInfo[0], ArrayName(QStringLiteral("lblInfo"), 1),
                           QStringLiteral("Klicken Sie mit der rechten Maustaste auf die Symbole."), 120, 300, 4740);
    const std::array<QStyle::StandardPixmap, 2> icons = {QStyle::SP_MediaVolume, QStyle::SP_ComputerIcon};
    for (int i = 0; i < 2; ++i) {
        auto* icon = new QLabel(this);
        icon->setObjectName(ArrayName(QStringLiteral("ImgIcon"), i));
        icon->setPixmap(style()->standardIcon(icons[static_cast<std::size_t>(i)]).pixmap(kSpriteSize, kSpriteSize));
        icon->setAlignment(Qt::AlignCenter);
        icon->setToolTip(i == 0 ? QStringLiteral("Klang") : QStringLiteral("Systeminformationen"));
        PlaceTwips(icon, 5160 + i * 540, 180, 480, 480);
        icon->installEventFilter(this);
        ImgIcon[static_cast<std::size_t>(i)] = icon;
    }

    // The four information pages share one place; the menu switches between them.
    fraInfo[1] = MakeFrame(this, 1, QStringLiteral("Betriebssystem"), 120, 840, 6000, 2640);
    lblInfo[2] = MakeLabel(fraInfo[1], ArrayName(QStringLiteral("lblInfo"), 2), QStringLiteral("Microsoft Windows, Version 3.1"), 120, 360, 5760);
    lblInfo[3] = MakeLabel(fraInfo[1], ArrayName(QStringLiteral("lblInfo"), 3), QStringLiteral("(Erweiterter Modus)"), 120, 720, 5760);
    lblInfo[4] = MakeLabel(fraInfo[1], ArrayName(QStringLiteral("lblInfo"), 4), QStringLiteral("Betriebssystem 5.0"), 120, 1080, 5760);

    fraInfo[2] = MakeFrame(this, 2, QStringLiteral("Prozessor, Speicher und Systemressourcen"), 120, 840, 6000, 2640);
    lblInfo[5] = MakeLabel(fraInfo[2], ArrayName(QStringLiteral("lblInfo"), 5), QStringLiteral("CPU: 486 (mit Mathematik-Koprozessor)"),
                           120, 330, 5760, 480);
    lblInfo[5]->setWordWrap(true);
    lblInfo[6] = MakeLabel(fraInfo[2], ArrayName(QStringLiteral("lblInfo"), 6), QStringLiteral("Freier Speicher"), 120, 900, 5760);
    // Two resource bars. There are no graphics and user heaps here: the first bar shows the
    // share of main memory still available, the second the free space where the user's
    // files live; the names say so.
    const std::array<QString, 3> barNames = {QString(), QStringLiteral("Speicher"), QStringLiteral("Benutzer")};
    const std::array<QString, 3> barTips = {
        QString(), QStringLiteral("Verfügbarer Arbeitsspeicher (MemAvailable von MemTotal, /proc/meminfo)"),
        QStringLiteral("Freier Platz im Benutzerverzeichnis ") + sysinfo::HomeDirectory()};
    for (int i = 1; i <= 2; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const int top = 1320 + (i - 1) * 480;
        lblR[k] = MakeLabel(fraInfo[2], ArrayName(QStringLiteral("lblR"), i), barNames[k], 120, top, 1080);
        shpFrame[k] = new QFrame(fraInfo[2]);
        shpFrame[k]->setObjectName(ArrayName(QStringLiteral("shpFrame"), i));
        shpFrame[k]->setFrameStyle(QFrame::Box | QFrame::Plain);
        PlaceTwips(shpFrame[k], 1260, top, 3600, 255);
        shpBar[k] = new QFrame(shpFrame[k]);
        shpBar[k]->setObjectName(ArrayName(QStringLiteral("shpBar"), i));
        shpBar[k]->setAutoFillBackground(true);
        QPalette barPalette = shpBar[k]->palette();
        barPalette.setColor(QPalette::Window, QColor(0, 0, 128));
        shpBar[k]->setPalette(barPalette);
        shpBar[k]->setGeometry(0, 0, 0, shpFrame[k]->height());
        lblResInfo[k] = MakeLabel(fraInfo[2], ArrayName(QStringLiteral("lblResInfo"), i), QString(), 4980, top, 900);
        for (QWidget* part : {static_cast<QWidget*>(lblR[k]), static_cast<QWidget*>(shpFrame[k]), static_cast<QWidget*>(lblResInfo[k])})
            part->setToolTip(barTips[k]);
    }

    fraInfo[3] = MakeFrame(this, 3, QStringLiteral("Video"), 120, 840, 6000, 2640);
    lblInfo[8] = MakeLabel(fraInfo[3], ArrayName(QStringLiteral("lblInfo"), 8), QStringLiteral("Videotreiber:"), 120, 360, 5760);
    lblInfo[9] = MakeLabel(fraInfo[3], ArrayName(QStringLiteral("lblInfo"), 9), QStringLiteral("Auflösung"), 120, 720, 5760);
    lblInfo[10] = MakeLabel(fraInfo[3], ArrayName(QStringLiteral("lblInfo"), 10), QStringLiteral("Farben:"), 120, 1080, 5760);

    fraInfo[4] = MakeFrame(this, 4, QStringLiteral("Allgemeine Informationen"), 120, 840, 6000, 2640);
    lblInfo[11] = MakeLabel(fraInfo[4], ArrayName(QStringLiteral("lblInfo"), 11), QStringLiteral("Netzwerk:"), 120, 360, 5760);
    lblInfo[12] = MakeLabel(fraInfo[4], ArrayName(QStringLiteral("lblInfo"), 12), QStringLiteral("Maus:"), 120, 720, 5760);
    lblInfo[13] = MakeLabel(fraInfo[4], ArrayName(QStringLiteral("lblInfo"), 13), QStringLiteral("Sprache:"), 120, 1080, 5760);
    lblInfo[14] = MakeLabel(fraInfo[4], ArrayName(QStringLiteral("lblInfo"), 14), QStringLiteral("Tastatur:"), 120, 1440, 5760);

    Befehl1 = new QPushButton(QStringLiteral("Schließen"), this);
    Befehl1->setObjectName(QStringLiteral("Befehl1"));
    PlaceTwips(Befehl1, 4800, 3660, 1320, 375);
    connect(Befehl1, &QPushButton::clicked, this, [this] { Befehl1_Click(); });

    tmrSysInfo = new QTimer(this);
    tmrSysInfo->setObjectName(QStringLiteral("tmrSysInfo"));
    tmrSysInfo->setInterval(kSysInfoInterval);
    connect(tmrSysInfo, &QTimer::timeout, this, [this] { tmrSysInfo_Timer(); });
    tmrBounce = new QTimer(this);
    tmrBounce->setObjectName(QStringLiteral("tmrBounce"));
    tmrBounce->setInterval(kBounceInterval);
    connect(tmrBounce, &QTimer::timeout, this, [this] { tmrBounce_Timer(); });

    Form_Load();
}

frmCallDlls::~frmCallDlls() = default;

void frmCallDlls::Form_Load() {
    menus_ = qobject_cast<frmMenus*>(screens_.Ensure(ScreenId::frmMenus));
    if (menus_) {
        connect(menus_, &frmMenus::infoPageChosen, this, [this](int index) { ShowInfoFrame(index + 1); });
        connect(menus_, &frmMenus::stayOnTopToggled, this, [this](bool on) { SetStayOnTop(on); });
    }
    setWindowIcon(QIcon(ImgIcon[1]->pixmap()));

    const QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    lblInfo[2]->setText(sysinfo::OperatingSystemText());
    lblInfo[3]->setText(sysinfo::OperatingModeText());
    lblInfo[4]->setText(sysinfo::BaseSystemText());
    lblInfo[5]->setText(sysinfo::ProcessorText());
    lblInfo[8]->setText(QStringLiteral("Videotreiber: ") + sysinfo::VideoDriverText());
    lblInfo[9]->setText(QStringLiteral("Auflösung: ") + sysinfo::ResolutionText(display));
    lblInfo[10]->setText(QStringLiteral("Farben: ") + sysinfo::ColourCountText(display));
    const std::optional<QString> mouse = sysinfo::MouseText();
    lblInfo[12]->setText(mouse ? QStringLiteral("Maus: ") + *mouse : QStringLiteral("Keine Maus"));
    lblInfo[11]->setText(QStringLiteral("Netzwerk: ") + sysinfo::NetworkText());
    lblInfo[13]->setText(QStringLiteral("Sprache: ") + sysinfo::LanguageText());
    lblInfo[14]->setText(QStringLiteral("Tastatur: ") + sysinfo::KeyboardLayoutText());

    ShowInfoFrame(1);
    tmrSysInfo_Timer();
    tmrSysInfo->start();
}

void frmCallDlls::ShowResource(int index, std::optional<int> percent) {
    const std::size_t k = static_cast<std::size_t>(index);
    lblResInfo[k]->setText(percent ? QString::number(*percent) + QStringLiteral("%") : sysinfo::kUnknown);
    const int inner = shpFrame[k]->width();
    shpBar[k]->setGeometry(0, 0, percent ? inner * *percent / 100 : 0, shpFrame[k]->height());
}

void frmCallDlls::tmrSysInfo_Timer() {
    ShowResource(1, sysinfo::FreeMemoryPercent());
    ShowResource(2, sysinfo::FreeHomeSpacePercent());
    const std::optional<quint64> bytes = sysinfo::FreeMemoryBytes();
    lblInfo[6]->setText(QStringLiteral("Freie Speicherkapazität: ") +
                        (bytes ? ToQ(FormatNumber(static_cast<double>(*bytes), "#,# \\b\\y\\t\\e\\s")) : sysinfo::kUnknown));
}

void frmCallDlls::ShowInfoFrame(int frame) {
    if (frame < 1 || frame > 4) return;
    for (int i = 1; i <= 4; ++i) fraInfo[static_cast<std::size_t>(i)]->setVisible(i == frame);
    shownFrame_ = frame;
}

void frmCallDlls::SetStayOnTop(bool on) {
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown) show();  // changing the flags hides a window
}

bool frmCallDlls::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < 2; ++i) {
            if (watched == ImgIcon[static_cast<std::size_t>(i)]) {
                ImgIcon_MouseDown(i, static_cast<QMouseEvent*>(event)->button());
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmCallDlls::ImgIcon_MouseDown(int index, Qt::MouseButton button) {
    // Both buttons open the menu: a left click is what most users try first.
    if (button != Qt::RightButton && button != Qt::LeftButton) return;
    if (!menus_) menus_ = qobject_cast<frmMenus*>(screens_.Ensure(ScreenId::frmMenus));
    if (!menus_) return;
    QMenu* menu = menus_->SubMenu(index + 1);
    if (!menu) return;
    QLabel* icon = ImgIcon[static_cast<std::size_t>(index)];
    menu->popup(icon->mapToGlobal(QPoint(0, icon->height())));
}

void frmCallDlls::Befehl1_Click() { hide(); }

void frmCallDlls::closeEvent(QCloseEvent* event) {
    // Closing by the frame only hides the screen, like "Schließen"; the program ends from
    // the selection menu alone, so no other calculator loses its entries.
    event->ignore();
    Befehl1_Click();
}

void frmCallDlls::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void frmCallDlls::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // The window system hides a minimised window (spontaneously); only a hide by the
    // program ("Schließen", the end of the program) ends the sprite.
    if (!event->spontaneous()) StopSprite();
}

void frmCallDlls::Form_Resize() {
    if (isMinimized()) StartSprite();
    else StopSprite();
}

QWidget* frmCallDlls::SpriteWindow() const { return picSprite.get(); }

void frmCallDlls::StartSprite() {
    // The sprite has no parent: a window manager hides the transient windows of a
    // minimised window, and this one must stay visible exactly then.
    if (!picSprite) picSprite = std::make_unique<BouncingSprite>(ImgIcon[1]->pixmap());
    const QRect area = DesktopArea();
    sprite_ = BounceState{area.center().x() - picSprite->width() / 2, area.center().y() - picSprite->height() / 2, kStepX, kStepY};
    picSprite->move(sprite_.x, sprite_.y);
    picSprite->show();
    tmrBounce->start();
}

void frmCallDlls::StopSprite() {
    tmrBounce->stop();
    if (picSprite) picSprite->hide();
}

void frmCallDlls::tmrBounce_Timer() {
    if (!picSprite) return;
    const QRect area = DesktopArea();
    sprite_ = BounceStep(sprite_, picSprite->width(), picSprite->height(), BounceArea{area.x(), area.y(), area.width(), area.height()});
    picSprite->move(sprite_.x, sprite_.y);
}

}  // namespace zolt
