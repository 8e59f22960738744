#include "app/ScreenTable.h"

#include "app/frmZoltauswahl.h"
#include "ui/common/ScreenSlots.h"
#include "ui/loans/LoanSheet.h"
#include "ui/misc/frmKugel1.h"
#include "ui/misc/frmZinssatz.h"
#include "ui/savings/frmBuschatz.h"
#include "ui/savings/frmExtra.h"
#include "ui/savings/frmSSumme.h"
#include "ui/tools/frmHinweis.h"

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
        {ScreenId::frmZinssatz, Make<frmZinssatz>()},
        {ScreenId::frmKugel1, Make<frmKugel1>()},
        {ScreenId::frmHinweis, Make<frmHinweis>()},
        {ScreenId::frmBuschatz, Make<frmBuschatz>()},
        {ScreenId::frmExtra, Make<frmExtra>()},
        {ScreenId::frmSSumme, Make<frmSSumme>()},
        {ScreenId::LoanSheet, Make<LoanSheet>()},
    };
    for (const Entry& entry : table) screens.Register(entry.id, entry.factory);
}

}  // namespace zolt
