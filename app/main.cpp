#include <QApplication>

#include "app/ScreenTable.h"
#include "ui/common/ScreenSlots.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zolt::ScreenSlots screens;
    zolt::RegisterScreens(screens);
    screens.Open(zolt::ScreenId::frmZoltauswahl);
    return QApplication::exec();
}
