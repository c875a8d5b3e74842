#include "arabic/ArabicWindows.h"

#include "arabic/frmArabicAstrologyDisplay.h"
#include "arabic/frmArabicAstrologyMain.h"
#include "common/AppContext.h"
#include "common/WindowRegistry.h"

namespace oriastra {

void RegisterArabicWindows(AppContext& context, ArabicState& state) {
    WindowRegistry& windows = context.windows;
    windows.Register(InputOf(Tradition::Arabic),
                     [&context, &state] { return new frmArabicAstrologyMain(context, state); });
    windows.Register(ReadingOf(Tradition::Arabic),
                     [&context] { return new frmArabicAstrologyDisplay(context); });
}

}  // namespace oriastra
