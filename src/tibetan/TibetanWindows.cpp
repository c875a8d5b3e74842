#include "tibetan/TibetanWindows.h"

#include "common/AppContext.h"
#include "common/WindowRegistry.h"
#include "tibetan/frmTibetanAstrologyDisplay.h"
#include "tibetan/frmTibetanAstrologyMain.h"
#include "tibetan/frmTibetanAstrologySave.h"

namespace oriastra {

void RegisterTibetanWindows(AppContext& context, TibetanState& state) {
    WindowRegistry& windows = context.windows;
    windows.Register(InputOf(Tradition::Tibetan),
                     [&context] { return new frmTibetanAstrologyMain(context); });
    windows.Register(ReadingOf(Tradition::Tibetan),
                     [&context, &state] { return new frmTibetanAstrologyDisplay(context, state); });
    windows.Register(ReportOf(Tradition::Tibetan),
                     [&context, &state] { return new frmTibetanAstrologySave(context, state); });
}

}  // namespace oriastra
