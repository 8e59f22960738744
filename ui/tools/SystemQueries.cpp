#include "ui/tools/SystemQueries.h"

#include <sys/utsname.h>

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QInputDevice>
#include <QLocale>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStorageInfo>
#include <algorithm>

#include "core/NumberRules.h"
#include "core/SystemFacts.h"
#include "ui/common/QtText.h"

#ifdef ZOLT_HAVE_MULTIMEDIA
#include <QAudioDevice>
#include <QMediaDevices>
#endif

namespace zolt::sysinfo {

namespace {

QString OrUnknown(const QString& text) { return text.trimmed().isEmpty() ? kUnknown : text.trimmed(); }

// The kernel's drivers of the graphics cards (/sys/class/drm/cardN/device/driver).
QStringList DrmDrivers() {
    QStringList drivers;
    const QDir drm(QStringLiteral("/sys/class/drm"));
    for (const QString& card : drm.entryList({QStringLiteral("card*")}, QDir::Dirs | QDir::System | QDir::NoDotAndDotDot)) {
        if (card.contains(QLatin1Char('-'))) continue;  // connectors such as card0-HDMI-A-1
        const QFileInfo driver(drm.filePath(card + QStringLiteral("/device/driver")));
        const QString name = QFileInfo(driver.symLinkTarget()).fileName();
        if (!name.isEmpty() && !drivers.contains(name)) drivers << name;
    }
    return drivers;
}

QString RunQuietly(const QString& program, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) return {};
    QProcess process;
    process.start(path, arguments);
    // A tool that hangs must not hang the screen: give it a moment, then give up.
    if (!process.waitForFinished(1500)) {
        process.kill();
        process.waitForFinished(500);
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

}  // namespace

std::optional<QString> ReadTextFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
    // Files under /proc report size 0, so read until the end, but never more than 1 MB.
    return QString::fromUtf8(file.read(1 << 20));
}

Kernel KernelInfo() {
    utsname names{};
    if (uname(&names) != 0) return {kUnknown, kUnknown, kUnknown};
    return {QString::fromLocal8Bit(names.sysname), QString::fromLocal8Bit(names.release), QString::fromLocal8Bit(names.machine)};
}

namespace {

QString OperatingSystemText(const Kernel& kernel) {
    std::optional<QString> text = ReadTextFile(QStringLiteral("/etc/os-release"));
    if (!text) text = ReadTextFile(QStringLiteral("/usr/lib/os-release"));
    OperatingSystem os;
    if (text) os = ReadOsRelease(ToStd(*text));
    QString name = ToQ(os.name);
    if (name.isEmpty()) name = OrUnknown(kernel.name);
    return name + QStringLiteral(" Version ") + OrUnknown(ToQ(os.version));
}

QString OperatingModeText(const Kernel& kernel) {
    return QStringLiteral("(") + ToQ(zolt::OperatingModeText(ToStd(kernel.machine))) + QStringLiteral(")");
}

QString BaseSystemText(const Kernel& kernel) {
    return QStringLiteral("Betriebssystem ") + OrUnknown(kernel.name) + QStringLiteral(" ") + OrUnknown(kernel.release);
}

QString ProcessorText() {
    const std::optional<QString> text = ReadTextFile(QStringLiteral("/proc/cpuinfo"));
    Processor cpu;
    if (text) cpu = ReadCpuInfo(ToStd(*text));
    QString line = QStringLiteral("CPU: ") + OrUnknown(ToQ(cpu.model));
    if (cpu.hasFpu) line += QStringLiteral(" (mit Mathematik-Koprozessor)");
    return line;
}

QString VideoDriverText(const QString& platformName) {
    QString text = ToQ(DisplayServerName(ToStd(platformName)));
    const QStringList drivers = DrmDrivers();
    if (!drivers.isEmpty()) text += QStringLiteral(" (") + drivers.join(QStringLiteral(", ")) + QStringLiteral(")");
    return text;
}

QString NetworkText() {
    const QDir net(QStringLiteral("/sys/class/net"));
    if (!net.exists()) return kUnknown;
    QStringList up;
    for (const QString& name : net.entryList(QDir::Dirs | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        if (name == QStringLiteral("lo")) continue;
        const std::optional<QString> state = ReadTextFile(net.filePath(name + QStringLiteral("/operstate")));
        if (state && state->trimmed() == QStringLiteral("up")) up << name;
    }
    return up.isEmpty() ? QStringLiteral("keine") : up.join(QStringLiteral(", "));
}

std::optional<QStringList> KernelMice() {
    const std::optional<QString> devices = ReadTextFile(QStringLiteral("/proc/bus/input/devices"));
    if (!devices) return std::nullopt;
    QStringList names;
    for (const std::string& name : MouseNames(ReadInputDevices(ToStd(*devices)))) names << ToQ(name);
    return names;
}

QString KeyboardLayoutText(const QString& platformName) {
    if (platformName == QStringLiteral("xcb")) {
        const std::string layout = XkbLayoutFromQuery(ToStd(RunQuietly(QStringLiteral("setxkbmap"), {QStringLiteral("-query")})));
        if (!layout.empty()) return ToQ(layout);
    }
    if (const std::optional<QString> defaults = ReadTextFile(QStringLiteral("/etc/default/keyboard"))) {
        const std::string layout = XkbLayoutFromDefaults(ToStd(*defaults));
        if (!layout.empty()) return ToQ(layout);
    }
    return kUnknown;
}

}  // namespace

SystemFactTexts GatherFacts(const QString& platformName) {
    const Kernel kernel = KernelInfo();
    return {OperatingSystemText(kernel), OperatingModeText(kernel), BaseSystemText(kernel), ProcessorText(),
            VideoDriverText(platformName), NetworkText(), KernelMice(), KeyboardLayoutText(platformName)};
}

FreeMemory FreeMemoryNow() {
    const std::optional<QString> text = ReadTextFile(QStringLiteral("/proc/meminfo"));
    if (!text) return {};
    const Memory memory = ReadMemInfo(ToStd(*text));
    if (!memory.availableBytes) return {};
    FreeMemory result{static_cast<quint64>(*memory.availableBytes), std::nullopt};
    if (memory.totalBytes) result.percent = Percent(*memory.availableBytes, *memory.totalBytes);
    return result;
}

QString HomeDirectory() { return QDir::homePath(); }

std::optional<int> FreeHomeSpacePercent() {
    const QStorageInfo storage(HomeDirectory());
    if (!storage.isValid() || !storage.isReady() || storage.bytesTotal() <= 0) return std::nullopt;
    return Percent(static_cast<std::uint64_t>(std::max<qint64>(storage.bytesAvailable(), 0)),
                   static_cast<std::uint64_t>(storage.bytesTotal()));
}

QString ResolutionText(const QScreen* screen) {
    if (!screen) return kUnknown;
    const QSize size = screen->geometry().size() * screen->devicePixelRatio();
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

QString ColourCountText(const QScreen* screen) {
    if (!screen || screen->depth() <= 0) return kUnknown;
    return QString::number(ScreenColourCount(screen->depth(), 1));
}

std::optional<QString> MouseText(const std::optional<QStringList>& kernelMice) {
    QStringList names = kernelMice.value_or(QStringList());
    // The display server's own pointers count too (a virtual X server's mouse, a remote
    // desktop). X11's "Virtual core" devices only stand for the others, and Qt's "core
    // pointer" is a stand-in that Qt makes up when the platform names no device.
    for (const QInputDevice* device : QInputDevice::devices()) {
        if (device->type() != QInputDevice::DeviceType::Mouse && device->type() != QInputDevice::DeviceType::TouchPad) continue;
        if (device->name().startsWith(QStringLiteral("Virtual core")) || device->name() == QStringLiteral("core pointer")) continue;
        if (!names.contains(device->name())) names << device->name();
    }
    if (!names.isEmpty()) return names.join(QStringLiteral(", "));
    if (!kernelMice) return kUnknown;
    return std::nullopt;
}

QString LanguageText() {
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C) return QStringLiteral("C");
    const QString native = locale.nativeLanguageName();
    return native.isEmpty() ? locale.name() : native + QStringLiteral(" (") + locale.name() + QStringLiteral(")");
}

bool HasAudioOutput() {
#ifdef ZOLT_HAVE_MULTIMEDIA
    return !QMediaDevices::audioOutputs().isEmpty();
#else
    return false;
#endif
}

QStringList SystemWaveFiles(int limit) {
    QStringList folders = QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("sounds"),
                                                    QStandardPaths::LocateDirectory);
    if (!folders.contains(QStringLiteral("/usr/share/sounds"))) folders << QStringLiteral("/usr/share/sounds");
    QStringList files;
    int visited = 0;
    for (const QString& folder : folders) {
        // Symbolic links to folders are not followed, so a link loop cannot trap the walk.
        QDirIterator it(folder, {QStringLiteral("*.wav"), QStringLiteral("*.WAV"), QStringLiteral("*.Wav")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext() && files.size() < limit && ++visited < 100000) {
            const QString path = it.next();
            if (!files.contains(path)) files << path;
        }
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(files.begin(), files.end(), [&](const QString& a, const QString& b) {
        return collator.compare(QFileInfo(a).fileName(), QFileInfo(b).fileName()) < 0;
    });
    return files;
}

}  // namespace zolt::sysinfo
