#include "arabic/windows/ArabicWindows.h"

#include "arabic/logic/ArabicState.h"
#include "arabic/logic/ArabicTradition.h"
#include "arabic/windows/frmArabicAstrologyDisplay.h"
#include "arabic/windows/frmArabicAstrologyMain.h"
#include "common/logic/AppContext.h"
#include "common/logic/TraditionStates.h"
#include "common/windows/WindowRegistry.h"

namespace oriastra {

void RegisterArabicWindows(AppContext& context) {
    ArabicState& state = context.states.Of<ArabicState>();
    WindowRegistry& windows = context.windows;
    windows.Register(InputOf(kArabicTradition),
                     [&context, &state] { return new frmArabicAstrologyMain(context, state); });
    windows.Register(ReadingOf(kArabicTradition),
                     [&context] { return new frmArabicAstrologyDisplay(context); });
}

}  // namespace oriastra
