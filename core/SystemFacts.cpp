#include "core/SystemFacts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <sstream>

namespace zolt {

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// Calls line(text) for every line of the text.
template <typename Fn>
void ForEachLine(std::string_view text, Fn&& line) {
    while (!text.empty()) {
        const auto end = text.find('\n');
        line(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

// "key<sep>value" split at the first separator, both trimmed.
bool SplitAt(std::string_view line, char separator, std::string_view& key, std::string_view& value) {
    const auto at = line.find(separator);
    if (at == std::string_view::npos) return false;
    key = Trim(line.substr(0, at));
    value = Trim(line.substr(at + 1));
    return true;
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::istringstream stream{std::string(text)};
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

bool Contains(const std::vector<std::string>& words, std::string_view word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

std::string WithVariant(std::string layout, std::string_view variant) {
    if (!layout.empty() && !variant.empty()) layout += " (" + std::string(variant) + ")";
    return layout;
}

}  // namespace

std::map<std::string, std::string> ParseKeyValueLines(std::string_view text) {
    std::map<std::string, std::string> values;
    ForEachLine(text, [&](std::string_view line) {
        line = Trim(line);
        if (line.empty() || line.front() == '#') return;
        std::string_view key, value;
        if (!SplitAt(line, '=', key, value) || key.empty()) return;
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        values[std::string(key)] = std::string(value);
    });
    return values;
}

OperatingSystem ReadOsRelease(std::string_view osRelease) {
    const auto values = ParseKeyValueLines(osRelease);
    OperatingSystem os;
    if (auto it = values.find("NAME"); it != values.end()) os.name = it->second;
    if (auto it = values.find("VERSION"); it != values.end()) os.version = it->second;
    else if (auto id = values.find("VERSION_ID"); id != values.end()) os.version = id->second;
    return os;
}

Processor ReadCpuInfo(std::string_view cpuinfo) {
    Processor cpu;
    std::string fallbackModel;
    ForEachLine(cpuinfo, [&](std::string_view line) {
        std::string_view key, value;
        if (!SplitAt(line, ':', key, value)) return;
        if (key == "processor") {
            ++cpu.logicalCount;
        } else if (key == "model name" || key == "cpu model") {
            if (cpu.model.empty()) cpu.model = std::string(value);
        } else if (key == "Hardware" || key == "cpu" || key == "uarch") {
            if (fallbackModel.empty()) fallbackModel = std::string(value);
        } else if (key == "flags" || key == "Features" || key == "isa") {
            const auto words = Words(value);
            if (Contains(words, "fpu") || Contains(words, "fp") || Contains(words, "vfp")) cpu.hasFpu = true;
        }
    });
    if (cpu.model.empty()) cpu.model = fallbackModel;
    return cpu;
}

Memory ReadMemInfo(std::string_view meminfo) {
    Memory memory;
    std::optional<std::uint64_t> freeBytes;
    ForEachLine(meminfo, [&](std::string_view line) {
        std::string_view key, value;
        if (!SplitAt(line, ':', key, value)) return;
        std::uint64_t amount = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), amount);
        if (error != std::errc()) return;
        // The kernel writes "kB" and means KiB.
        if (Trim(std::string_view(end, static_cast<std::size_t>(value.data() + value.size() - end))) == "kB") amount *= 1024;
        if (key == "MemTotal") memory.totalBytes = amount;
        else if (key == "MemAvailable") memory.availableBytes = amount;
        else if (key == "MemFree") freeBytes = amount;
    });
    if (!memory.availableBytes) memory.availableBytes = freeBytes;
    return memory;
}

std::vector<InputDevice> ReadInputDevices(std::string_view devices) {
    std::vector<InputDevice> result;
    bool inDevice = false;
    ForEachLine(devices, [&](std::string_view line) {
        line = Trim(line);
        if (line.empty()) {
            inDevice = false;
            return;
        }
        if (!inDevice) {
            result.emplace_back();
            inDevice = true;
        }
        if (line.size() < 3 || line[1] != ':') return;
        std::string_view key, value;
        if (!SplitAt(line.substr(2), '=', key, value)) return;
        // "N: Name=..." and "H: Handlers=...": the key alone tells the lines apart.
        if (key == "Name") {
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
            result.back().name = std::string(value);
        } else if (key == "Handlers") {
            result.back().handlers = Words(value);
        }
    });
    return result;
}

std::vector<std::string> MouseNames(const std::vector<InputDevice>& devices) {
    std::vector<std::string> names;
    for (const InputDevice& device : devices) {
        const bool mouse = std::any_of(device.handlers.begin(), device.handlers.end(), [](const std::string& handler) {
            return handler.rfind("mouse", 0) == 0 && handler.size() > 5;
        });
        if (mouse) names.push_back(device.name.empty() ? "unknown" : device.name);
    }
    return names;
}

std::string XkbLayoutFromQuery(std::string_view setxkbmapQuery) {
    std::string layout, variant;
    ForEachLine(setxkbmapQuery, [&](std::string_view line) {
        std::string_view key, value;
        if (!SplitAt(line, ':', key, value)) return;
        if (key == "layout") layout = std::string(value);
        else if (key == "variant") variant = std::string(value);
    });
    return WithVariant(layout, variant);
}

std::string XkbLayoutFromDefaults(std::string_view defaultKeyboard) {
    const auto values = ParseKeyValueLines(defaultKeyboard);
    std::string layout, variant;
    if (auto it = values.find("XKBLAYOUT"); it != values.end()) layout = it->second;
    if (auto it = values.find("XKBVARIANT"); it != values.end()) variant = it->second;
    return WithVariant(layout, variant);
}

std::uint64_t ScreenColourCount(int bitsPerPixel, int planes) {
    int bits = bitsPerPixel == 32 ? 24 : bitsPerPixel;
    bits = std::clamp(bits, 0, 48);
    return (std::uint64_t{1} << bits) * static_cast<std::uint64_t>(std::max(planes, 1));
}

std::string OperatingModeText(std::string_view machine) {
    static constexpr std::array<std::string_view, 8> k64 = {"x86_64", "amd64", "aarch64", "arm64", "ppc64", "ppc64le", "s390x", "riscv64"};
    static constexpr std::array<std::string_view, 7> k32 = {"i386", "i486", "i586", "i686", "armv6l", "armv7l", "riscv32"};
    if (machine.empty()) return "unknown";
    const std::string name(machine);
    if (std::find(k64.begin(), k64.end(), machine) != k64.end() || machine.find("64") != std::string_view::npos)
        return "64-Bit-Modus, " + name;
    if (std::find(k32.begin(), k32.end(), machine) != k32.end()) return "32-Bit-Modus, " + name;
    return name;
}

std::string DisplayServerName(std::string_view platformName) {
    if (platformName == "xcb") return "X11";
    if (platformName.rfind("wayland", 0) == 0) return "Wayland";
    if (platformName.empty()) return "unknown";
    return std::string(platformName);
}

std::optional<int> Percent(std::uint64_t part, std::uint64_t whole) {
    if (whole == 0) return std::nullopt;
    const long double share = static_cast<long double>(std::min(part, whole)) * 100.0L / static_cast<long double>(whole);
    return static_cast<int>(share + 0.5L);
}

std::string JoinNames(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) {
        if (!joined.empty()) joined += ", ";
        joined += name;
    }
    return joined;
}

}  // namespace zolt
