#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string_view>

#include "app/ScreenTable.h"
#include "ui/common/Layout.h"
#include "ui/common/QtTranslation.h"
#include "ui/common/ScreenSlots.h"
#include "ui/common/Version.h"

namespace {

constexpr const char* kUsage =
    "Aufruf: zolt [OPTION]\n"
    "Zins- und Kreditrechner: Sparpläne, Kredite, Renten und Zinssätze.\n"
    "Ohne Option öffnet zolt das Auswahlmenü.\n"
    "\n"
    "  -h, --help     diese Hilfe zeigen und beenden\n"
    "  -v, --version  die Versionsnummer zeigen und beenden\n";

enum class Start { Menu, Help, Version, Refused };

// Read before any QApplication exists, so that --help and --version need no display.
// The program takes no other argument: anything else is refused.
Start ReadCommandLine(int argc, char* argv[]) {
    if (argc < 2) return Start::Menu;
    const std::string_view option = argv[1];
    const bool help = option == "-h" || option == "--help";
    const bool version = option == "-v" || option == "--version";
    if (argc == 2 && help) return Start::Help;
    if (argc == 2 && version) return Start::Version;
    std::fprintf(stderr, "zolt: unbekanntes Argument: %s\n\n", help || version ? argv[2] : argv[1]);
    return Start::Refused;
}

}  // namespace

int main(int argc, char* argv[]) {
    switch (ReadCommandLine(argc, argv)) {
    case Start::Help:
        std::fputs(kUsage, stdout);
        return 0;
    case Start::Version:
        std::printf("zolt %s\n", zolt::kVersion);
        return 0;
    case Start::Refused:
        std::fputs(kUsage, stderr);
        return 2;
    case Start::Menu:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/de.zolt.Zinsrechner.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("de.zolt.Zinsrechner"));
    zolt::InstallGermanQtTranslation(app);
    zolt::InstallFontSubstitutes();
    QApplication::setFont(zolt::DialogFont());
    // The program ends through the menu's end sequence only; a hidden menu behind the lottery
    // picker must not end it when the picker, the last visible window, closes.
    QApplication::setQuitOnLastWindowClosed(false);
    zolt::ScreenSlots screens;
    zolt::RegisterScreens(screens);
    screens.Open(zolt::ScreenId::frmZoltauswahl);
    return QApplication::exec();
}
