#include "shell/TraditionWindows.h"

#include "african/frmAfricanAstrologyMain.h"
#include "arabic/frmArabicAstrologyMain.h"
#include "burmese/frmBurmeseAstrologyMain.h"
#include "common/AppContext.h"
#include "common/WindowRegistry.h"
#include "indonesian/frmIndonesianAstrologyMain.h"
#include "tibetan/frmTibetanAstrologyDisplay.h"
#include "tibetan/frmTibetanAstrologyMain.h"
#include "tibetan/frmTibetanAstrologySave.h"

namespace oriastra {

WindowId InputWindowOf(Tradition tradition) {
    switch (tradition) {
        case Tradition::African: return WindowId::AfricanMain;
        case Tradition::Arabic: return WindowId::ArabicMain;
        case Tradition::Burmese: return WindowId::BurmeseMain;
        case Tradition::Indonesian: return WindowId::IndonesianMain;
        case Tradition::Tibetan: return WindowId::TibetanMain;
    }
    return WindowId::TibetanMain;
}

void RegisterTraditionWindows(AppContext& context) {
    WindowRegistry& windows = context.windows;
    windows.Register(WindowId::AfricanMain, [&context] { return new frmAfricanAstrologyMain(context); });
    windows.Register(WindowId::ArabicMain, [&context] { return new frmArabicAstrologyMain(context); });
    windows.Register(WindowId::BurmeseMain, [&context] { return new frmBurmeseAstrologyMain(context); });
    windows.Register(WindowId::IndonesianMain,
                     [&context] { return new frmIndonesianAstrologyMain(context); });
    windows.Register(WindowId::TibetanMain, [&context] { return new frmTibetanAstrologyMain(context); });
    windows.Register(WindowId::TibetanDisplay,
                     [&context] { return new frmTibetanAstrologyDisplay(context); });
    windows.Register(WindowId::TibetanSave, [&context] { return new frmTibetanAstrologySave(context); });
}

}  // namespace oriastra
