#include <QApplication>

#include "app/ScreenTable.h"
#include "ui/common/Layout.h"
#include "ui/common/ScreenSlots.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zolt::InstallFontSubstitutes();
    QApplication::setFont(zolt::DialogFont());
    zolt::ScreenSlots screens;
    zolt::RegisterScreens(screens);
    screens.Open(zolt::ScreenId::frmZoltauswahl);
    return QApplication::exec();
}
