#include "burmese/windows/BurmeseWindows.h"

#include "burmese/logic/BurmeseState.h"
#include "burmese/logic/BurmeseTradition.h"
#include "burmese/windows/frmBurmeseAstrologyDisplay.h"
#include "burmese/windows/frmBurmeseAstrologyMain.h"
#include "burmese/windows/frmBurmeseAstrologySave.h"
#include "common/logic/AppContext.h"
#include "common/logic/TraditionStates.h"
#include "common/windows/WindowRegistry.h"

namespace oriastra {

void RegisterBurmeseWindows(AppContext& context) {
    BurmeseState& state = context.states.Of<BurmeseState>();
    WindowRegistry& windows = context.windows;
    windows.Register(InputOf(kBurmeseTradition),
                     [&context, &state] { return new frmBurmeseAstrologyMain(context, state); });
    windows.Register(ReadingOf(kBurmeseTradition), [&context, &state] {
        return new frmBurmeseAstrologyDisplay(context, state);
    });
    windows.Register(ReportOf(kBurmeseTradition),
                     [&context, &state] { return new frmBurmeseAstrologySave(context, state); });
}

}  // namespace oriastra
