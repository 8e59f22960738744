#pragma once
// The real queries behind the system-information screen on Linux: files under /etc, /proc
// and /sys, uname, the Qt screen and platform, the system locale, the XKB keyboard layout,
// the audio outputs and the system's wave files. Every value that cannot be found is
// "unknown", never a guess.

#include <QString>
#include <QStringList>
#include <optional>

class QScreen;

namespace zolt::sysinfo {

inline const QString kUnknown = QStringLiteral("unknown");

// A small text file (at most 1 MB); nullopt when it cannot be read.
std::optional<QString> ReadTextFile(const QString& path);

struct Kernel {
    QString name;     // uname -s: "Linux"
    QString release;  // uname -r
    QString machine;  // uname -m
};
Kernel KernelInfo();

// The available main memory, from one reading of /proc/meminfo.
struct FreeMemory {
    std::optional<quint64> bytes;  // MemAvailable
    std::optional<int> percent;    // MemAvailable / MemTotal
};
FreeMemory FreeMemoryNow();
std::optional<int> FreeHomeSpacePercent();  // free space of the file system of the home directory
QString HomeDirectory();

// The facts that come from files, /proc, /sys and another program (setxkbmap, which may take
// up to two seconds). GatherFacts reads them all; it touches no widget, no screen and no
// input device, so it can run on a worker thread.
struct SystemFactTexts {
    QString operatingSystem;  // "Debian GNU/Linux Version 12 (bookworm)"
    QString operatingMode;    // "(64-Bit-Modus, x86_64)"
    QString baseSystem;       // "Betriebssystem Linux 6.1.0-18-amd64"
    QString processor;        // "CPU: <model>" [+ " (mit Mathematik-Koprozessor)"]
    QString videoDriver;      // display server, with the kernel's DRM drivers
    QString network;          // interfaces that are up, or "keine"
    std::optional<QStringList> kernelMice;  // nullopt: the kernel's device list is unreadable
    QString keyboardLayout;
};
// platformName: the Qt platform ("xcb" asks the X server for its keyboard layout).
SystemFactTexts GatherFacts(const QString& platformName);

// These ask the screen and the window system, so they run on the user-interface thread.
QString ResolutionText(const QScreen* screen);  // "1920 x 1080" in device pixels
QString ColourCountText(const QScreen* screen);
// The kernel's mice and the window system's pointers. nullopt: no mouse; "unknown" when
// the system could not be asked.
std::optional<QString> MouseText(const std::optional<QStringList>& kernelMice);
QString LanguageText();  // "Deutsch (de_DE)"

bool HasAudioOutput();
// The wave files of the system's sound folders, sorted by name; at most limit files.
QStringList SystemWaveFiles(int limit = 200);

}  // namespace zolt::sysinfo
