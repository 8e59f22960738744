#include "app/ScreenTable.h"

#include "app/frmZoltauswahl.h"
#include "ui/common/ScreenSlots.h"
#include "ui/loans/LoanSheet.h"

namespace zolt {

namespace {
template <typename Screen>
ScreenSlots::Factory Make() {
    return [](ScreenSlots& screens) -> QWidget* { return new Screen(screens); };
}
}  // namespace

void RegisterScreens(ScreenSlots& screens) {
    const struct Entry {
        ScreenId id;
        ScreenSlots::Factory factory;
    } table[] = {
        {ScreenId::frmZoltauswahl, Make<frmZoltauswahl>()},
        {ScreenId::LoanSheet, Make<LoanSheet>()},
    };
    for (const Entry& entry : table) screens.Register(entry.id, entry.factory);
}

}  // namespace zolt
