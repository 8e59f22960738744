#include "core/SystemFacts.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zolt {
namespace {

TEST(SystemFacts, OsReleaseNameAndVersion) {
    const OperatingSystem os = ReadOsRelease(
        "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian GNU/Linux\"\nVERSION_ID=\"12\"\n"
        "VERSION=\"12 (bookworm)\"\nID=debian\n");
    EXPECT_EQ(os.name + " | " + os.version, "Debian GNU/Linux | 12 (bookworm)");
    // Rolling releases name no VERSION; the id stands in, and nothing at all stays empty.
    EXPECT_EQ(ReadOsRelease("NAME=Fedora Linux\nVERSION_ID=40\n").version, "40");
    const OperatingSystem arch = ReadOsRelease("# comment\nNAME='Arch Linux'\n");
    EXPECT_EQ(arch.name + " | " + arch.version, "Arch Linux | ");
}

TEST(SystemFacts, CpuInfo) {
    const Processor x86 = ReadCpuInfo(
        "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Intel(R) Core(TM) i7-8650U CPU @ 1.90GHz\n"
        "flags\t\t: fpu vme de pse tsc msr\n\nprocessor\t: 1\nmodel name\t: Intel(R) Core(TM) i7-8650U CPU @ 1.90GHz\n");
    EXPECT_EQ(std::tie(x86.model, x86.hasFpu, x86.logicalCount),
              std::make_tuple(std::string("Intel(R) Core(TM) i7-8650U CPU @ 1.90GHz"), true, 2));
    EXPECT_FALSE(ReadCpuInfo("processor : 0\nmodel name : Old\nflags : vme de fpux\n").hasFpu);  // "fpux" is not "fpu"
    const Processor arm = ReadCpuInfo("processor : 0\nFeatures : half thumb fastmult vfp edsp\nHardware : BCM2835\n");
    EXPECT_EQ(std::tie(arm.model, arm.hasFpu), std::make_tuple(std::string("BCM2835"), true));
    EXPECT_EQ(ReadCpuInfo("").model, "");
}

TEST(SystemFacts, MemInfoInBytes) {
    const Memory memory = ReadMemInfo("MemTotal:       24731400 kB\nMemFree:        17509732 kB\nMemAvailable:   23652344 kB\n");
    EXPECT_EQ(memory.totalBytes, 24731400ull * 1024);
    EXPECT_EQ(memory.availableBytes, 23652344ull * 1024);
    // Old kernels have no MemAvailable: the free memory stands in.
    EXPECT_EQ(ReadMemInfo("MemTotal: 100 kB\nMemFree: 40 kB\n").availableBytes, 40960u);
    EXPECT_FALSE(ReadMemInfo("garbage").totalBytes);
}

TEST(SystemFacts, MiceFromInputDevices) {
    const auto parsed = ReadInputDevices(
        "I: Bus=0019 Vendor=0000 Product=0001 Version=0000\nN: Name=\"Power Button\"\nH: Handlers=kbd event0\n\n"
        "I: Bus=0003 Vendor=046d Product=c077 Version=0111\nN: Name=\"Logitech USB Optical Mouse\"\n"
        "P: Phys=usb-0000:00:14.0-2/input0\nH: Handlers=mouse0 event5\n\n"
        "I: Bus=0011\nN: Name=\"AT Translated Set 2 keyboard\"\nH: Handlers=sysrq kbd leds mouse event3\n");
    ASSERT_EQ(parsed.size(), 3u);
    // Only a numbered "mouseN" handler makes a mouse.
    EXPECT_EQ(MouseNames(parsed), std::vector<std::string>{"Logitech USB Optical Mouse"});
    EXPECT_TRUE(MouseNames(ReadInputDevices("")).empty());
}

TEST(SystemFacts, KeyboardLayout) {
    EXPECT_EQ(XkbLayoutFromQuery("rules:      evdev\nmodel:      pc105\nlayout:     de\nvariant:    nodeadkeys\n"),
              "de (nodeadkeys)");
    EXPECT_EQ(XkbLayoutFromQuery("rules: evdev\nlayout: us\n") + "|" + XkbLayoutFromQuery(""), "us|");
    EXPECT_EQ(XkbLayoutFromDefaults("XKBMODEL=\"pc105\"\nXKBLAYOUT=\"de\"\nXKBVARIANT=\"\"\nXKBOPTIONS=\"\"\n"), "de");
    EXPECT_EQ(XkbLayoutFromDefaults("XKBLAYOUT=\"ch\"\nXKBVARIANT=\"fr\"\n"), "ch (fr)");
}

TEST(SystemFacts, ColourCountIsTwoToTheColourBitsTimesPlanes) {
    // 8 of 32 bits are transparency.
    for (const auto& [bits, planes, colours] : {std::tuple{1, 1, 2ull}, {16, 1, 65536ull}, {24, 1, 16777216ull},
                                                {32, 1, 16777216ull}, {30, 1, 1073741824ull}, {1, 4, 8ull}})
        EXPECT_EQ(ScreenColourCount(bits, planes), colours) << bits << " bits, " << planes << " planes";
}

TEST(SystemFacts, OperatingModeAndDisplayServer) {
    // s390x is listed without "64" in its name, mips64 has it without being listed.
    for (const std::string machine : {"x86_64", "s390x", "mips64"}) EXPECT_EQ(OperatingModeText(machine), "64-Bit-Modus, " + machine);
    EXPECT_EQ(OperatingModeText("i686") + "|" + OperatingModeText("mips") + "|" + OperatingModeText(""), "32-Bit-Modus, i686|mips|unknown");
    EXPECT_EQ(DisplayServerName("xcb") + "|" + DisplayServerName("wayland-egl") + "|" + DisplayServerName("offscreen"),
              "X11|Wayland|offscreen");
}

TEST(SystemFacts, PercentRoundsAndRefusesZeroWhole) {
    EXPECT_EQ(std::vector({Percent(1, 3), Percent(2, 3), Percent(5, 5), Percent(7, 5), Percent(1, 0)}),
              std::vector<std::optional<int>>({33, 67, 100, 100, std::nullopt}));
    EXPECT_EQ(JoinNames({"eth0", "wlan0"}), "eth0, wlan0");
}

}  // namespace
}  // namespace zolt
