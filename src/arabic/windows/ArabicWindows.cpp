#include "arabic/windows/ArabicWindows.h"

#include "arabic/windows/frmArabicAstrologyDisplay.h"
#include "arabic/windows/frmArabicAstrologyMain.h"
#include "common/logic/AppContext.h"
#include "common/windows/WindowRegistry.h"

namespace oriastra {

void RegisterArabicWindows(AppContext& context, ArabicState& state) {
    WindowRegistry& windows = context.windows;
    windows.Register(InputOf(Tradition::Arabic),
                     [&context, &state] { return new frmArabicAstrologyMain(context, state); });
    windows.Register(ReadingOf(Tradition::Arabic),
                     [&context] { return new frmArabicAstrologyDisplay(context); });
}

}  // namespace oriastra
