#include <QApplication>

#include "app/ScreenTable.h"
#include "ui/common/Layout.h"
#include "ui/common/ScreenSlots.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
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
