#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/ScreenTable.h"
#include "support/ScreenTestKit.h"
#include "ui/common/Layout.h"
#include "ui/common/ScreenSlots.h"
#include "ui/tools/frmCallDlls.h"
#include "ui/tools/frmMenus.h"
#include "ui/tools/SystemQueries.h"

#ifdef ZOLT_HAVE_MULTIMEDIA
#include <QAudioDevice>
#include <QMediaDevices>
#endif

using zolt::ArrayName;
using zolt::ScreenId;
using zolt::testing::Click;
using zolt::testing::Find;

namespace {

// The system's own answers, asked the way a user would at a shell.
QString Shell(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(5000)) return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString FileText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// The value of "key<sep>value" on the first line that starts with the key, unquoted.
QString FirstValue(const QString& text, const QString& key, QChar separator) {
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const qsizetype at = line.indexOf(separator);
        if (at < 0 || line.left(at).trimmed() != key) continue;
        QString value = line.mid(at + 1).trimmed();
        if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))) value = value.mid(1, value.size() - 2);
        return value;
    }
    return {};
}

quint64 MemInfoBytes(const QString& key) { return FirstValue(FileText("/proc/meminfo"), key, ':').split(' ').first().toULongLong() * 1024; }

// A minimal PCM wave file: 8 kHz, 8 bit, mono, a few samples of silence.
void WriteWave(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray samples(800, '\x80');
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples.size());
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(8000) << quint16(1) << quint16(8);
    out.writeRawData("data", 4);
    out << quint32(samples.size());
    out.writeRawData(samples.constData(), static_cast<int>(samples.size()));
    file.write(data);
}

}  // namespace

class frmCallDllsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<zolt::ScreenSlots> screens_;
    zolt::frmCallDlls* info_ = nullptr;
    bool quitCalled_ = false;

    zolt::frmMenus* Menus() { return screens_->Get<zolt::frmMenus>(ScreenId::frmMenus); }
    QString Info(int index) { return Find<QLabel>(info_, ArrayName("lblInfo", index))->text(); }

    void Fresh() {
        screens_ = std::make_unique<zolt::ScreenSlots>();
        zolt::RegisterScreens(*screens_);
        quitCalled_ = false;
        screens_->SetQuitHandler([this] { quitCalled_ = true; });
        info_ = qobject_cast<zolt::frmCallDlls*>(screens_->Open(ScreenId::frmCallDlls));
        QVERIFY(info_);
    }

private slots:
    void init() { Fresh(); }

    void opensWithHiddenMenuScreen() {
        QCOMPARE(info_->windowTitle(), QStringLiteral("Systeminformationen"));
        QVERIFY(Menus());
        QVERIFY(!Menus()->isVisible());
        QCOMPARE(Find<QGroupBox>(info_, "fraInfo(0)")->title(), QStringLiteral("Anleitungen"));
        QCOMPARE(Info(1), QStringLiteral("Klicken Sie mit der rechten Maustaste auf die Symbole."));
        QCOMPARE(Find<QGroupBox>(info_, "fraInfo(1)")->title(), QStringLiteral("Betriebssystem"));
        QCOMPARE(Find<QGroupBox>(info_, "fraInfo(2)")->title(), QStringLiteral("Prozessor, Speicher und Systemressourcen"));
        QCOMPARE(Find<QGroupBox>(info_, "fraInfo(3)")->title(), QStringLiteral("Video"));
        QCOMPARE(Find<QGroupBox>(info_, "fraInfo(4)")->title(), QStringLiteral("Allgemeine Informationen"));
        QVERIFY(!info_->windowIcon().isNull());
    }

    void operatingSystemFacts() {
        const QString osRelease = FileText("/etc/os-release");
        const QString name = FirstValue(osRelease, "NAME", '=');
        QString version = FirstValue(osRelease, "VERSION", '=');
        if (version.isEmpty()) version = FirstValue(osRelease, "VERSION_ID", '=');
        QVERIFY(!name.isEmpty());
        QCOMPARE(Info(2), name + " Version " + (version.isEmpty() ? QStringLiteral("unknown") : version));
        QCOMPARE(Info(4), "Betriebssystem " + Shell("uname", {"-s"}) + " " + Shell("uname", {"-r"}));
        QVERIFY2(Info(3).contains(Shell("uname", {"-m"})), qPrintable(Info(3)));
        QVERIFY(Info(3).startsWith('(') && Info(3).endsWith(')'));
    }

    void processorAndMemoryFacts() {
        const QString cpuinfo = FileText("/proc/cpuinfo");
        const QString model = FirstValue(cpuinfo, "model name", ':');
        if (!model.isEmpty()) QVERIFY2(Info(5).startsWith("CPU: " + model), qPrintable(Info(5)));
        const bool fpu = FirstValue(cpuinfo, "flags", ':').split(' ').contains("fpu");
        QCOMPARE(Info(5).endsWith(" (mit Mathematik-Koprozessor)"), fpu);

        // "Freie Speicherkapazität: 23.652.344 bytes", close to what the kernel reports now.
        static const QRegularExpression pattern(QStringLiteral("^Freie Speicherkapazität: ([0-9.]+) bytes$"));
        const QRegularExpressionMatch match = pattern.match(Info(6));
        QVERIFY2(match.hasMatch(), qPrintable(Info(6)));
        const double shown = match.captured(1).remove('.').toDouble();
        const double available = static_cast<double>(MemInfoBytes("MemAvailable"));
        QVERIFY2(std::abs(shown - available) < 0.1 * available, qPrintable(Info(6)));

        const QString percent = Find<QLabel>(info_, "lblResInfo(1)")->text();
        QVERIFY2(percent.endsWith('%'), qPrintable(percent));
        const double expected = 100.0 * available / static_cast<double>(MemInfoBytes("MemTotal"));
        QVERIFY2(std::abs(percent.chopped(1).toDouble() - expected) <= 5.0, qPrintable(percent));
        // The bar is as wide as the share of its frame.
        const int frame = Find<QFrame>(info_, "shpFrame(1)")->width();
        QCOMPARE(Find<QFrame>(info_, "shpBar(1)")->width(), frame * percent.chopped(1).toInt() / 100);
        QCOMPARE(Find<QLabel>(info_, "lblR(2)")->text(), QStringLiteral("Benutzer"));
        QVERIFY(Find<QLabel>(info_, "lblResInfo(2)")->text().endsWith('%'));
    }

    void displayAndGeneralFacts() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QSize size = screen->geometry().size() * screen->devicePixelRatio();
        QCOMPARE(Info(9), QStringLiteral("Auflösung: %1 x %2").arg(size.width()).arg(size.height()));
        const int bits = screen->depth() == 32 ? 24 : screen->depth();
        QCOMPARE(Info(10), QStringLiteral("Farben: %1").arg(quint64(1) << bits));
        QVERIFY2(Info(8).startsWith("Videotreiber: "), qPrintable(Info(8)));
        if (QGuiApplication::platformName() == "offscreen") QVERIFY(Info(8).contains("offscreen"));

        QStringList up;
        for (const QString& name : QDir("/sys/class/net").entryList(QDir::Dirs | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
            if (name != "lo" && FileText("/sys/class/net/" + name + "/operstate").trimmed() == "up") up << name;
        QCOMPARE(Info(11), "Netzwerk: " + (up.isEmpty() ? QStringLiteral("keine") : up.join(", ")));

        const QString devices = FileText("/proc/bus/input/devices");
        if (QGuiApplication::platformName() == "offscreen" && !devices.contains(QRegularExpression("Handlers=.*\\bmouse[0-9]")))
            QCOMPARE(Info(12), QStringLiteral("Keine Maus"));
        else
            QVERIFY2(Info(12).startsWith("Maus: "), qPrintable(Info(12)));

        const QLocale locale = QLocale::system();
        QVERIFY2(Info(13).startsWith("Sprache: ") && Info(13).contains(locale.language() == QLocale::C ? "C" : locale.name()),
                 qPrintable(Info(13)));

        const QString layout = FirstValue(FileText("/etc/default/keyboard"), "XKBLAYOUT", '=');
        if (QGuiApplication::platformName() != "xcb") {
            if (layout.isEmpty())
                QCOMPARE(Info(14), QStringLiteral("Tastatur: unknown"));
            else
                QVERIFY2(Info(14).startsWith("Tastatur: " + layout), qPrintable(Info(14)));
        } else {
            const QString query = Shell("setxkbmap", {"-query"});
            const QString xkb = FirstValue(query, "layout", ':');
            QVERIFY2(Info(14).startsWith("Tastatur: " + (xkb.isEmpty() ? (layout.isEmpty() ? QStringLiteral("unknown") : layout) : xkb)),
                     qPrintable(Info(14)));
        }
    }

    void noLabelClaimsAnotherPlatform() {
        for (QLabel* label : info_->findChildren<QLabel*>()) {
            QVERIFY2(!label->text().contains("Windows"), qPrintable(label->objectName() + ": " + label->text()));
            QVERIFY2(!label->text().contains("MS-DOS"), qPrintable(label->objectName() + ": " + label->text()));
            QVERIFY2(!label->text().contains("486"), qPrintable(label->objectName() + ": " + label->text()));
            QVERIFY2(label->text() != "GDI", qPrintable(label->objectName()));
        }
        QVERIFY(!Menus()->InfoItem(0)->text().contains("Windows"));
        QCOMPARE(Menus()->InfoItem(0)->text(), "&" + Shell("uname", {"-s"}));
    }

    void liveValuesComeBack() {
        QVERIFY(info_->findChild<QTimer*>("tmrSysInfo")->isActive());
        Find<QLabel>(info_, "lblInfo(6)")->setText("x");
        Find<QLabel>(info_, "lblResInfo(1)")->setText("x");
        QTRY_VERIFY_WITH_TIMEOUT(Info(6).startsWith("Freie Speicherkapazität: "), 3000);
        QVERIFY(Find<QLabel>(info_, "lblResInfo(1)")->text().endsWith('%'));
    }

    void soundMenuOfThisSystem() {
        QMenu* sounds = Menus()->SubMenu(1);
        QCOMPARE(sounds->title(), QStringLiteral("Klang"));
        QCOMPARE(Menus()->SubMenu(2)->title(), QStringLiteral("Systeminformationen"));
#ifdef ZOLT_HAVE_MULTIMEDIA
        if (QMediaDevices::audioOutputs().isEmpty()) {
            QCOMPARE(Menus()->SoundItemCount(), 1);
            QCOMPARE(Menus()->SoundItem(0)->text(), QStringLiteral("Es ist kein Klangausgabegerät verfügbar"));
            Menus()->SoundItem(0)->trigger();  // nothing to play, nothing breaks
        }
#else
        QCOMPARE(Menus()->SoundItem(0)->text(), QStringLiteral("(Kein Klangsystem vorhanden)"));
#endif
    }

    void soundItemsPerWaveFile() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QStringList files = {folder.filePath("bell.wav"), folder.filePath("chimes.old.wav"), folder.filePath("ding.wav")};
        for (const QString& file : files) WriteWave(file);
        Menus()->FillSoundMenu(true, files);
        QCOMPARE(Menus()->SoundItemCount(), 3);
        QCOMPARE(Menus()->SoundItem(0)->text(), QStringLiteral("bell"));
        QCOMPARE(Menus()->SoundItem(1)->text(), QStringLiteral("chimes"));  // up to the first dot
        QCOMPARE(Menus()->SoundItem(2)->text(), QStringLiteral("ding"));
        QCOMPARE(Menus()->SoundItem(2)->objectName(), QStringLiteral("mnuSounds(2)"));
        // Playing without an audio device (as on a build machine) must not crash or block.
        for (int i = 0; i < 3; ++i) Menus()->SoundItem(i)->trigger();
        QTest::qWait(100);
        Menus()->FillSoundMenu(true, {});
        QCOMPARE(Menus()->SoundItemCount(), 1);
        QCOMPARE(Menus()->SoundItem(0)->text(), QStringLiteral("(Keine Klangdateien vorhanden)"));
        Menus()->FillSoundMenu(false, files);
        QCOMPARE(Menus()->SoundItemCount(), 1);
#ifdef ZOLT_HAVE_MULTIMEDIA
        QCOMPARE(Menus()->SoundItem(0)->text(), QStringLiteral("Es ist kein Klangausgabegerät verfügbar"));
#endif
    }

    void waveFilesOfTheSoundFolders() {
        // The user's own sound folder is one of the folders searched; test mode points it
        // to a scratch place.
        QStandardPaths::setTestModeEnabled(true);
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/sounds";
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(folder + "/theme/stereo"));
        WriteWave(folder + "/theme/stereo/Zebra.wav");
        WriteWave(folder + "/alarm.WAV");
        WriteWave(folder + "/theme/bell.oga.wav");
        QFile other(folder + "/notes.txt");
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        const QStringList found = zolt::sysinfo::SystemWaveFiles();
        QStringList ours;
        for (const QString& path : found)
            if (path.startsWith(folder)) ours << path.mid(folder.size());
        QCOMPARE(ours, QStringList({"/alarm.WAV", "/theme/bell.oga.wav", "/theme/stereo/Zebra.wav"}));
        QVERIFY(zolt::sysinfo::SystemWaveFiles(1).size() <= 1);
        QDir(folder).removeRecursively();
        QStandardPaths::setTestModeEnabled(false);
    }

    void iconsShowTheirContextMenus() {
        auto* sound = Find<QLabel>(info_, "ImgIcon(0)");
        QTest::mouseClick(sound, Qt::RightButton);
        QTRY_VERIFY(Menus()->SubMenu(1)->isVisible());
        Menus()->SubMenu(1)->hide();
        auto* computer = Find<QLabel>(info_, "ImgIcon(1)");
        QTest::mouseClick(computer, Qt::RightButton);
        QTRY_VERIFY(Menus()->SubMenu(2)->isVisible());
        QVERIFY(!Menus()->SubMenu(1)->isVisible());
        Menus()->SubMenu(2)->hide();
    }

    void infoMenuSwitchesPages_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("frame");
        QTest::newRow("system") << 0 << 1;
        QTest::newRow("cpu") << 1 << 2;
        QTest::newRow("video") << 2 << 3;
        QTest::newRow("general") << 3 << 4;
    }

    void infoMenuSwitchesPages() {
        QFETCH(int, entry);
        QFETCH(int, frame);
        Menus()->InfoItem(entry)->trigger();
        QCOMPARE(info_->ShownInfoFrame(), frame);
        for (int i = 1; i <= 4; ++i) QCOMPARE(Find<QGroupBox>(info_, ArrayName("fraInfo", i))->isVisible(), i == frame);
        QVERIFY(Find<QGroupBox>(info_, "fraInfo(0)")->isVisible());
    }

    void stayOnTopToggles() {
        QAction* onTop = Menus()->InfoItem(5);
        QVERIFY(onTop->isCheckable());
        onTop->trigger();
        QVERIFY(info_->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(info_->isVisible());
        onTop->trigger();
        QVERIFY(!(info_->windowFlags() & Qt::WindowStaysOnTopHint));
    }

    void closingHidesOnly_data() {
        QTest::addColumn<bool>("byFrame");
        QTest::newRow("Schließen") << false;
        QTest::newRow("window frame") << true;
    }

    void closingHidesOnly() {
        // The frame closes like "Schließen": the screen keeps its slot, the program goes on.
        QFETCH(bool, byFrame);
        if (byFrame)
            info_->close();
        else
            Click(Find<QPushButton>(info_, "Befehl1"));
        QVERIFY(!info_->isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(screens_->Get(ScreenId::frmCallDlls), static_cast<QWidget*>(info_));
        QVERIFY(!quitCalled_);
        QCOMPARE(screens_->Open(ScreenId::frmCallDlls), static_cast<QWidget*>(info_));
    }

    void spriteBouncesWhileMinimised() {
        QVERIFY(!info_->BounceTimer()->isActive());
        info_->showMinimized();
        QWidget* sprite = info_->SpriteWindow();
        QVERIFY(sprite);
        QVERIFY(sprite->isVisible());
        QVERIFY(sprite->isWindow());
        QVERIFY(!sprite->parentWidget());
        const Qt::WindowFlags flags = sprite->windowFlags();
        QVERIFY(flags & Qt::WindowTransparentForInput);
        QVERIFY(flags & Qt::FramelessWindowHint);
        QVERIFY((flags & Qt::Tool) == Qt::Tool);
        QVERIFY(info_->BounceTimer()->isActive());
        const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
        QVERIFY(qAbs(sprite->geometry().center().x() - desktop.center().x()) <= 1);
        const QPoint start = sprite->pos();
        QTRY_VERIFY(sprite->pos() != start);
        // Long enough to meet an edge: it stays on the screen.
        QTest::qWait(1500);
        QVERIFY2(desktop.contains(sprite->geometry()), qPrintable(QStringLiteral("%1,%2").arg(sprite->x()).arg(sprite->y())));
        info_->showNormal();
        QVERIFY(!info_->BounceTimer()->isActive());
        QVERIFY(!sprite->isVisible());
    }

    void endProgramEndsSpriteAndUnloadsBoth() {
        info_->showMinimized();
        QPointer<QWidget> sprite = info_->SpriteWindow();
        QVERIFY(sprite && sprite->isVisible());
        QPointer<QWidget> menus = Menus();
        screens_->EndProgram();
        QVERIFY(quitCalled_);
        QVERIFY(!info_->BounceTimer()->isActive());
        QVERIFY(!sprite->isVisible());
        QTRY_VERIFY(sprite.isNull());
        QTRY_VERIFY(menus.isNull());
    }
};

QTEST_MAIN(frmCallDllsTest)
#include "frmCallDlls_test.moc"
