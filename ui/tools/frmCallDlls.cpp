#include "ui/tools/frmCallDlls.h"

#include <QCloseEvent>
#include <QFutureWatcher>
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
#include <QtConcurrent/QtConcurrentRun>

#include "core/NumberRules.h"
#include "ui/common/FormControls.h"
#include "ui/common/Layout.h"
#include "ui/common/QtText.h"
#include "ui/common/ScreenSlots.h"
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

QGroupBox* MakeInfoFrame(QWidget* parent, int index, const QString& caption, TwipsRect at) {
    return MakeFrame(parent, ArrayName(QStringLiteral("fraInfo"), index), caption, at);
}

QRect DesktopArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry() : QRect(0, 0, 640, 480);
}

}  // namespace

frmCallDlls::frmCallDlls(ScreenSlots& screens, QWidget* parent, FactGatherer gatherFacts)
    : QWidget(parent), screens_(screens) {
    setObjectName(QStringLiteral("frmCallDlls"));
    setWindowTitle(QStringLiteral("Systeminformationen"));
    setFont(DialogFont());
    SetClientTwips(this, 6240, 4200);
    const auto info = [this](QWidget* frame, int index, const QString& caption, TwipsRect at) {
        lblInfo_[static_cast<std::size_t>(index)] = MakeLabel(frame, ArrayName(QStringLiteral("lblInfo"), index), caption, at);
    };

    fraInfo_[0] = MakeInfoFrame(this, 0, QStringLiteral("Anleitungen"), {120, 60, 4920, 660});
    info(fraInfo_[0], 1, QStringLiteral("Klicken Sie mit der rechten Maustaste auf die Symbole."), {120, 300, 4740, 255});
    const std::array<QStyle::StandardPixmap, 2> icons = {QStyle::SP_MediaVolume, QStyle::SP_ComputerIcon};
    for (int i = 0; i < 2; ++i) {
        QLabel* icon = MakeLabel(this, ArrayName(QStringLiteral("ImgIcon"), i), QString(), {5160 + i * 540, 180, 480, 480});
        icon->setPixmap(style()->standardIcon(icons[static_cast<std::size_t>(i)]).pixmap(kSpriteSize, kSpriteSize));
        icon->setAlignment(Qt::AlignCenter);
        icon->setToolTip(i == 0 ? QStringLiteral("Klang") : QStringLiteral("Systeminformationen"));
        icon->installEventFilter(this);
        ImgIcon_[static_cast<std::size_t>(i)] = icon;
    }

    // The four information pages share one place; the menu switches between them. The
    // fields that wait for the system's answers start empty or with their heading alone.
    const TwipsRect page{120, 840, 6000, 2640};
    fraInfo_[1] = MakeInfoFrame(this, 1, QStringLiteral("Betriebssystem"), page);
    info(fraInfo_[1], 2, QString(), {120, 360, 5760, 255});
    info(fraInfo_[1], 3, QString(), {120, 720, 5760, 255});
    info(fraInfo_[1], 4, QString(), {120, 1080, 5760, 255});

    fraInfo_[2] = MakeInfoFrame(this, 2, QStringLiteral("Prozessor, Speicher und Systemressourcen"), page);
    info(fraInfo_[2], 5, QString(), {120, 330, 5760, 480});
    lblInfo_[5]->setWordWrap(true);
    info(fraInfo_[2], 6, QStringLiteral("Freier Speicher"), {120, 900, 5760, 255});
    // Two bars: the share of main memory still available, and the free space of the disk
    // that holds the user's files.
    const std::array<QString, 3> barNames = {QString(), QStringLiteral("Speicher"), QStringLiteral("Festplatte")};
    const std::array<QString, 3> barTips = {
        QString(), QStringLiteral("Verfügbarer Arbeitsspeicher (MemAvailable von MemTotal, /proc/meminfo)"),
        QStringLiteral("Freier Platz im Benutzerverzeichnis ") + sysinfo::HomeDirectory()};
    for (int i = 1; i <= 2; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const int top = 1320 + (i - 1) * 480;
        QLabel* name = MakeLabel(fraInfo_[2], ArrayName(QStringLiteral("lblR"), i), barNames[k], {120, top, 1080, 255});
        shpFrame_[k] = MakeControl<QFrame>(fraInfo_[2], ArrayName(QStringLiteral("shpFrame"), i), {1260, top, 3600, 255});
        shpFrame_[k]->setFrameStyle(QFrame::Box | QFrame::Plain);
        shpBar_[k] = MakeControl<QFrame>(shpFrame_[k], ArrayName(QStringLiteral("shpBar"), i), {0, 0, 0, 255});
        shpBar_[k]->setAutoFillBackground(true);
        QPalette barPalette = shpBar_[k]->palette();
        barPalette.setColor(QPalette::Window, QColor(0, 0, 128));
        shpBar_[k]->setPalette(barPalette);
        lblResInfo_[k] = MakeLabel(fraInfo_[2], ArrayName(QStringLiteral("lblResInfo"), i), QString(), {4980, top, 900, 255});
        for (QWidget* part : {static_cast<QWidget*>(name), static_cast<QWidget*>(shpFrame_[k]), static_cast<QWidget*>(lblResInfo_[k])})
            part->setToolTip(barTips[k]);
    }

    fraInfo_[3] = MakeInfoFrame(this, 3, QStringLiteral("Video"), page);
    info(fraInfo_[3], 8, QStringLiteral("Videotreiber:"), {120, 360, 5760, 255});
    info(fraInfo_[3], 9, QStringLiteral("Auflösung"), {120, 720, 5760, 255});
    info(fraInfo_[3], 10, QStringLiteral("Farben:"), {120, 1080, 5760, 255});

    fraInfo_[4] = MakeInfoFrame(this, 4, QStringLiteral("Allgemeine Informationen"), page);
    info(fraInfo_[4], 11, QStringLiteral("Netzwerk:"), {120, 360, 5760, 255});
    info(fraInfo_[4], 12, QStringLiteral("Maus:"), {120, 720, 5760, 255});
    info(fraInfo_[4], 13, QStringLiteral("Sprache:"), {120, 1080, 5760, 255});
    info(fraInfo_[4], 14, QStringLiteral("Tastatur:"), {120, 1440, 5760, 255});

    QPushButton* Befehl1 = MakeButton(this, QStringLiteral("Befehl1"), QStringLiteral("Schließen"), {4800, 3660, 1320, 375});
    connect(Befehl1, &QPushButton::clicked, this, [this] { Befehl1_Click(); });

    tmrSysInfo_ = new QTimer(this);
    tmrSysInfo_->setObjectName(QStringLiteral("tmrSysInfo"));
    tmrSysInfo_->setInterval(kSysInfoInterval);
    connect(tmrSysInfo_, &QTimer::timeout, this, [this] { tmrSysInfo_Timer(); });
    tmrBounce_ = new QTimer(this);
    tmrBounce_->setObjectName(QStringLiteral("tmrBounce"));
    tmrBounce_->setInterval(kBounceInterval);
    connect(tmrBounce_, &QTimer::timeout, this, [this] { tmrBounce_Timer(); });

    Form_Load(gatherFacts ? std::move(gatherFacts) : sysinfo::GatherFacts);
}

frmCallDlls::~frmCallDlls() = default;

void frmCallDlls::Form_Load(FactGatherer gatherFacts) {
    menus_ = qobject_cast<frmMenus*>(screens_.Ensure(ScreenId::frmMenus));
    if (menus_) {
        connect(menus_, &frmMenus::infoPageChosen, this, [this](int index) { ShowInfoFrame(index + 1); });
        connect(menus_, &frmMenus::stayOnTopToggled, this, [this](bool on) { SetStayOnTop(on); });
    }
    setWindowIcon(QIcon(ImgIcon_[1]->pixmap()));

    // What the screen and the window system know is shown at once; the rest is asked on a
    // worker thread and shown when it arrives (a screen closed before then drops it).
    const QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    lblInfo_[9]->setText(QStringLiteral("Auflösung: ") + sysinfo::ResolutionText(display));
    lblInfo_[10]->setText(QStringLiteral("Farben: ") + sysinfo::ColourCountText(display));
    lblInfo_[13]->setText(QStringLiteral("Sprache: ") + sysinfo::LanguageText());
    auto* answer = new QFutureWatcher<sysinfo::SystemFactTexts>(this);
    connect(answer, &QFutureWatcher<sysinfo::SystemFactTexts>::finished, this, [this, answer] {
        ShowFacts(answer->result());
        answer->deleteLater();
    });
    answer->setFuture(QtConcurrent::run(std::move(gatherFacts), QGuiApplication::platformName()));

    ShowInfoFrame(1);
    tmrSysInfo_Timer();
    tmrSysInfo_->start();
}

void frmCallDlls::ShowFacts(const sysinfo::SystemFactTexts& facts) {
    lblInfo_[2]->setText(facts.operatingSystem);
    lblInfo_[3]->setText(facts.operatingMode);
    lblInfo_[4]->setText(facts.baseSystem);
    lblInfo_[5]->setText(facts.processor);
    lblInfo_[8]->setText(QStringLiteral("Videotreiber: ") + facts.videoDriver);
    const std::optional<QString> mouse = sysinfo::MouseText(facts.kernelMice);
    lblInfo_[12]->setText(mouse ? QStringLiteral("Maus: ") + *mouse : QStringLiteral("Keine Maus"));
    lblInfo_[11]->setText(QStringLiteral("Netzwerk: ") + facts.network);
    lblInfo_[14]->setText(QStringLiteral("Tastatur: ") + facts.keyboardLayout);
    emit factsShown();
}

void frmCallDlls::ShowResource(int index, std::optional<int> percent) {
    const std::size_t k = static_cast<std::size_t>(index);
    lblResInfo_[k]->setText(percent ? QString::number(*percent) + QStringLiteral("%") : sysinfo::kUnknown);
    const int inner = shpFrame_[k]->width();
    shpBar_[k]->setGeometry(0, 0, percent ? inner * *percent / 100 : 0, shpFrame_[k]->height());
}

void frmCallDlls::tmrSysInfo_Timer() {
    const sysinfo::FreeMemory memory = sysinfo::FreeMemoryNow();
    ShowResource(1, memory.percent);
    ShowResource(2, sysinfo::FreeHomeSpacePercent());
    lblInfo_[6]->setText(
        QStringLiteral("Freie Speicherkapazität: ") +
        (memory.bytes ? ToQ(FormatNumber(static_cast<double>(*memory.bytes), "#,# \\b\\y\\t\\e\\s")) : sysinfo::kUnknown));
}

void frmCallDlls::ShowInfoFrame(int frame) {
    if (frame < 1 || frame > 4) return;
    for (int i = 1; i <= 4; ++i) fraInfo_[static_cast<std::size_t>(i)]->setVisible(i == frame);
}

void frmCallDlls::SetStayOnTop(bool on) {
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown) show();  // changing the flags hides a window
}

bool frmCallDlls::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < 2; ++i) {
            if (watched == ImgIcon_[static_cast<std::size_t>(i)]) {
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
    QLabel* icon = ImgIcon_[static_cast<std::size_t>(index)];
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

QWidget* frmCallDlls::SpriteWindow() const { return picSprite_.get(); }

void frmCallDlls::StartSprite() {
    // The sprite has no parent: a window manager hides the transient windows of a
    // minimised window, and this one must stay visible exactly then.
    if (!picSprite_) picSprite_ = std::make_unique<BouncingSprite>(ImgIcon_[1]->pixmap());
    const QRect area = DesktopArea();
    sprite_ = BounceState{area.center().x() - picSprite_->width() / 2, area.center().y() - picSprite_->height() / 2, kStepX, kStepY};
    picSprite_->move(sprite_.x, sprite_.y);
    picSprite_->show();
    tmrBounce_->start();
}

void frmCallDlls::StopSprite() {
    tmrBounce_->stop();
    if (picSprite_) picSprite_->hide();
}

void frmCallDlls::tmrBounce_Timer() {
    if (!picSprite_) return;
    const QRect area = DesktopArea();
    sprite_ = BounceStep(sprite_, picSprite_->width(), picSprite_->height(), BounceArea{area.x(), area.y(), area.width(), area.height()});
    picSprite_->move(sprite_.x, sprite_.y);
}

}  // namespace zolt
