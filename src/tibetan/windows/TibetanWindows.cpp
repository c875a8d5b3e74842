#include "tibetan/windows/TibetanWindows.h"

#include "common/logic/AppContext.h"
#include "common/logic/TraditionStates.h"
#include "common/windows/WindowRegistry.h"
#include "tibetan/logic/TibetanState.h"
#include "tibetan/logic/TibetanTradition.h"
#include "tibetan/windows/frmTibetanAstrologyDisplay.h"
#include "tibetan/windows/frmTibetanAstrologyMain.h"
#include "tibetan/windows/frmTibetanAstrologySave.h"

namespace oriastra {

void RegisterTibetanWindows(AppContext& context) {
    TibetanState& state = context.states.Of<TibetanState>();
    WindowRegistry& windows = context.windows;
    windows.Register(InputOf(kTibetanTradition),
                     [&context] { return new frmTibetanAstrologyMain(context); });
    windows.Register(ReadingOf(kTibetanTradition),
                     [&context, &state] { return new frmTibetanAstrologyDisplay(context, state); });
    windows.Register(ReportOf(kTibetanTradition),
                     [&context, &state] { return new frmTibetanAstrologySave(context, state); });
}

}  // namespace oriastra
