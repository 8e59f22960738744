#pragma once
// Reading the facts the system-information screen shows from the texts a Linux system keeps
// them in (/etc/os-release, /proc/cpuinfo, /proc/meminfo, /proc/bus/input/devices, XKB
// settings). The screen reads the files; these functions only take their contents apart.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zolt {

// KEY=value lines as in /etc/os-release and /etc/default/keyboard: blank lines and "#"
// comments skipped, one pair of surrounding double or single quotes removed.
std::map<std::string, std::string> ParseKeyValueLines(std::string_view text);

struct OperatingSystem {
    std::string name;     // "Debian GNU/Linux"
    std::string version;  // "12 (bookworm)"; empty when the file names none
};
// NAME and VERSION of os-release; VERSION_ID when VERSION is missing.
OperatingSystem ReadOsRelease(std::string_view osRelease);

struct Processor {
    std::string model;     // the first processor's model name; empty when unknown
    bool hasFpu = false;   // a floating-point unit ("fpu" on x86, "fp"/"vfp" on ARM)
    int logicalCount = 0;  // number of "processor" entries
};
Processor ReadCpuInfo(std::string_view cpuinfo);

struct Memory {
    std::optional<std::uint64_t> totalBytes;
    std::optional<std::uint64_t> availableBytes;  // MemAvailable, else MemFree
};
Memory ReadMemInfo(std::string_view meminfo);

struct InputDevice {
    std::string name;
    std::vector<std::string> handlers;  // "mouse0", "event3", "kbd", ...
};
std::vector<InputDevice> ReadInputDevices(std::string_view devices);
// The names of the devices that the kernel serves as a mouse (a "mouseN" handler).
std::vector<std::string> MouseNames(const std::vector<InputDevice>& devices);

// The layout from "setxkbmap -query" output ("layout:     de"), or from the XKBLAYOUT of
// /etc/default/keyboard; with its variant in brackets: "de (nodeadkeys)". Empty if none.
std::string XkbLayoutFromQuery(std::string_view setxkbmapQuery);
std::string XkbLayoutFromDefaults(std::string_view defaultKeyboard);

// Colours a display shows: 2 to the power of the colour bits times the planes. A depth of
// 32 bits carries 24 colour bits and 8 of transparency, so it counts as 24.
std::uint64_t ScreenColourCount(int bitsPerPixel, int planes);

// The operating mode of a machine name from uname: "64-Bit-Modus, x86_64".
std::string OperatingModeText(std::string_view machine);

// The display server behind a Qt platform name: "xcb" is X11, "wayland" Wayland.
std::string DisplayServerName(std::string_view platformName);

// part of whole in whole percent, 0 to 100; nullopt when whole is 0.
std::optional<int> Percent(std::uint64_t part, std::uint64_t whole);

// Comma-separated list: "a, b, c".
std::string JoinNames(const std::vector<std::string>& names);

}  // namespace zolt
