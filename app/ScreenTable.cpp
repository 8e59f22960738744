#include "app/ScreenTable.h"

#include "app/frmZoltauswahl.h"
#include "ui/common/ScreenSlots.h"
#include "ui/loans/LoanSheet.h"
#include "ui/loans/frmBaufinanzierung.h"
#include "ui/loans/frmKZinssatz.h"
#include "ui/loans/frmKreditvergleich.h"
#include "ui/loans/frmLaufzeit.h"
#include "ui/misc/frmKugel1.h"
#include "ui/misc/frmRente.h"
#include "ui/misc/frmVielfach.h"
#include "ui/misc/frmZinssatz.h"
#include "ui/savings/ZinsSheet.h"
#include "ui/savings/frmBuschatz.h"
#include "ui/savings/frmExtra.h"
#include "ui/savings/frmSSumme.h"
#include "ui/tools/frmHinweis.h"
#include "ui/tools/Calculator.h"
#include "ui/tools/frmCallDlls.h"
#include "ui/tools/frmKalender.h"
#include "ui/tools/frmMenus.h"
#include "ui/tools/frmScrollBars.h"

#include <type_traits>

namespace zolt {

namespace {
// Only a screen that opens other screens is handed the slots.
template <typename Screen>
ScreenSlots::Factory Make() {
    return [](ScreenSlots& screens) -> QWidget* {
        if constexpr (std::is_constructible_v<Screen, ScreenSlots&>) return new Screen(screens);
        else return new Screen();
    };
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
        {ScreenId::ZinsSheet, Make<ZinsSheet>()},
        {ScreenId::frmRente, Make<frmRente>()},
        {ScreenId::frmVielfach, Make<frmVielfach>()},
        {ScreenId::Calculator, Make<Calculator>()},
        {ScreenId::frmKalender, Make<frmKalender>()},
        {ScreenId::frmScrollBars, Make<frmScrollBars>()},
        {ScreenId::frmCallDlls, Make<frmCallDlls>()},
        {ScreenId::frmMenus, Make<frmMenus>()},
        {ScreenId::frmLaufzeit, Make<frmLaufzeit>()},
        {ScreenId::frmKZinssatz, Make<frmKZinssatz>()},
        {ScreenId::frmKreditvergleich, Make<frmKreditvergleich>()},
        {ScreenId::LoanSheet, Make<LoanSheet>()},
        {ScreenId::frmBaufinanzierung, Make<frmBaufinanzierung>()},
    };
    for (const Entry& entry : table) screens.Register(entry.id, entry.factory);
}

}  // namespace zolt
