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

QString OperatingSystemText();   // "Debian GNU/Linux Version 12 (bookworm)"
QString OperatingModeText();     // "(64-Bit-Modus, x86_64)"
QString BaseSystemText();        // "Betriebssystem Linux 6.1.0-18-amd64"
QString ProcessorText();         // "CPU: <model>" [+ " (mit Mathematik-Koprozessor)"]

std::optional<quint64> FreeMemoryBytes();   // MemAvailable of /proc/meminfo
std::optional<int> FreeMemoryPercent();     // MemAvailable / MemTotal
std::optional<int> FreeHomeSpacePercent();  // free space of the file system of the home directory
QString HomeDirectory();

QString VideoDriverText();                  // display server, with the kernel's DRM drivers
QString ResolutionText(const QScreen* screen);  // "1920 x 1080" in device pixels
QString ColourCountText(const QScreen* screen);
QString NetworkText();                      // interfaces that are up, or "keine"
// nullopt: no mouse; "unknown" when the system could not be asked.
std::optional<QString> MouseText();
QString LanguageText();                     // "Deutsch (de_DE)"
QString KeyboardLayoutText();

bool HasAudioOutput();
// The wave files of the system's sound folders, sorted by name; at most limit files.
QStringList SystemWaveFiles(int limit = 200);

}  // namespace zolt::sysinfo
