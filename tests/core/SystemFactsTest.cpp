#include "core/SystemFacts.h"

#include <gtest/gtest.h>

namespace zolt {
namespace {

TEST(SystemFacts, OsReleaseNameAndVersion) {
    const char* debian =
        "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian GNU/Linux\"\nVERSION_ID=\"12\"\n"
        "VERSION=\"12 (bookworm)\"\nID=debian\n";
    const OperatingSystem os = ReadOsRelease(debian);
    EXPECT_EQ(os.name, "Debian GNU/Linux");
    EXPECT_EQ(os.version, "12 (bookworm)");
    // Rolling releases name no VERSION; the id stands in, and nothing at all stays empty.
    EXPECT_EQ(ReadOsRelease("NAME=Fedora Linux\nVERSION_ID=40\n").version, "40");
    EXPECT_EQ(ReadOsRelease("# comment\nNAME='Arch Linux'\n").name, "Arch Linux");
    EXPECT_EQ(ReadOsRelease("NAME='Arch Linux'\n").version, "");
}

TEST(SystemFacts, CpuInfoOfX86) {
    const char* cpuinfo =
        "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Intel(R) Core(TM) i7-8650U CPU @ 1.90GHz\n"
        "flags\t\t: fpu vme de pse tsc msr\n\nprocessor\t: 1\nmodel name\t: Intel(R) Core(TM) i7-8650U CPU @ 1.90GHz\n"
        "flags\t\t: fpu vme de pse tsc msr\n";
    const Processor cpu = ReadCpuInfo(cpuinfo);
    EXPECT_EQ(cpu.model, "Intel(R) Core(TM) i7-8650U CPU @ 1.90GHz");
    EXPECT_TRUE(cpu.hasFpu);
    EXPECT_EQ(cpu.logicalCount, 2);
}

TEST(SystemFacts, CpuInfoWithoutFpuOrModel) {
    const Processor x86 = ReadCpuInfo("processor : 0\nmodel name : Old\nflags : vme de fpux\n");
    EXPECT_FALSE(x86.hasFpu);  // "fpux" is not the fpu flag
    const Processor arm = ReadCpuInfo("processor : 0\nFeatures : half thumb fastmult vfp edsp\nHardware : BCM2835\n");
    EXPECT_TRUE(arm.hasFpu);
    EXPECT_EQ(arm.model, "BCM2835");
    EXPECT_EQ(ReadCpuInfo("").model, "");
}

TEST(SystemFacts, MemInfoInBytes) {
    const Memory memory = ReadMemInfo("MemTotal:       24731400 kB\nMemFree:        17509732 kB\nMemAvailable:   23652344 kB\n");
    ASSERT_TRUE(memory.totalBytes && memory.availableBytes);
    EXPECT_EQ(*memory.totalBytes, 24731400ull * 1024);
    EXPECT_EQ(*memory.availableBytes, 23652344ull * 1024);
    // Old kernels have no MemAvailable: the free memory stands in.
    EXPECT_EQ(*ReadMemInfo("MemTotal: 100 kB\nMemFree: 40 kB\n").availableBytes, 40960u);
    EXPECT_FALSE(ReadMemInfo("garbage").totalBytes);
}

TEST(SystemFacts, MiceFromInputDevices) {
    const char* devices =
        "I: Bus=0019 Vendor=0000 Product=0001 Version=0000\nN: Name=\"Power Button\"\nH: Handlers=kbd event0\n\n"
        "I: Bus=0003 Vendor=046d Product=c077 Version=0111\nN: Name=\"Logitech USB Optical Mouse\"\n"
        "P: Phys=usb-0000:00:14.0-2/input0\nH: Handlers=mouse0 event5\n\n"
        "I: Bus=0011\nN: Name=\"AT Translated Set 2 keyboard\"\nH: Handlers=sysrq kbd leds event3\n";
    const auto parsed = ReadInputDevices(devices);
    ASSERT_EQ(parsed.size(), 3u);
    EXPECT_EQ(parsed[1].name, "Logitech USB Optical Mouse");
    EXPECT_EQ(MouseNames(parsed), std::vector<std::string>{"Logitech USB Optical Mouse"});
    EXPECT_TRUE(MouseNames(ReadInputDevices("")).empty());
}

TEST(SystemFacts, KeyboardLayout) {
    EXPECT_EQ(XkbLayoutFromQuery("rules:      evdev\nmodel:      pc105\nlayout:     de\nvariant:    nodeadkeys\n"),
              "de (nodeadkeys)");
    EXPECT_EQ(XkbLayoutFromQuery("rules: evdev\nlayout: us\n"), "us");
    EXPECT_EQ(XkbLayoutFromQuery(""), "");
    EXPECT_EQ(XkbLayoutFromDefaults("XKBMODEL=\"pc105\"\nXKBLAYOUT=\"de\"\nXKBVARIANT=\"\"\nXKBOPTIONS=\"\"\n"), "de");
    EXPECT_EQ(XkbLayoutFromDefaults("XKBLAYOUT=\"ch\"\nXKBVARIANT=\"fr\"\n"), "ch (fr)");
}

struct ColourCase {
    int bits;
    int planes;
    std::uint64_t colours;
};

class ColourCount : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourCount, IsTwoToTheBitsTimesPlanes) {
    EXPECT_EQ(ScreenColourCount(GetParam().bits, GetParam().planes), GetParam().colours);
}

INSTANTIATE_TEST_SUITE_P(SystemFacts, ColourCount,
                         ::testing::Values(ColourCase{1, 1, 2}, ColourCase{16, 1, 65536}, ColourCase{24, 1, 16777216},
                                           ColourCase{32, 1, 16777216}, ColourCase{30, 1, 1073741824},
                                           ColourCase{1, 4, 8}));

TEST(SystemFacts, OperatingModeAndDisplayServer) {
    EXPECT_EQ(OperatingModeText("x86_64"), "64-Bit-Modus, x86_64");
    EXPECT_EQ(OperatingModeText("aarch64"), "64-Bit-Modus, aarch64");
    EXPECT_EQ(OperatingModeText("i686"), "32-Bit-Modus, i686");
    EXPECT_EQ(OperatingModeText("mips"), "mips");
    EXPECT_EQ(OperatingModeText(""), "unknown");
    EXPECT_EQ(DisplayServerName("xcb"), "X11");
    EXPECT_EQ(DisplayServerName("wayland-egl"), "Wayland");
    EXPECT_EQ(DisplayServerName("offscreen"), "offscreen");
}

TEST(SystemFacts, PercentRoundsAndRefusesZeroWhole) {
    EXPECT_EQ(Percent(1, 3), 33);
    EXPECT_EQ(Percent(2, 3), 67);
    EXPECT_EQ(Percent(5, 5), 100);
    EXPECT_EQ(Percent(7, 5), 100);
    EXPECT_FALSE(Percent(1, 0).has_value());
    EXPECT_EQ(JoinNames({"eth0", "wlan0"}), "eth0, wlan0");
}

}  // namespace
}  // namespace zolt
