#include "app/frmZoltauswahl.h"

#include "ui/common/ScreenSlots.h"

namespace zolt {

frmZoltauswahl::frmZoltauswahl(ScreenSlots& screens, QWidget* parent) : QWidget(parent), screens_(screens) {
    setObjectName(QStringLiteral("frmZoltauswahl"));
    setWindowTitle(QStringLiteral("ZOLT - AUSWAHLMENÜ"));
}

}  // namespace zolt
