#include "tibetan/windows/TibetanWindows.h"

#include "common/logic/AppContext.h"
#include "common/windows/WindowRegistry.h"
#include "tibetan/windows/frmTibetanAstrologyDisplay.h"
#include "tibetan/windows/frmTibetanAstrologyMain.h"
#include "tibetan/windows/frmTibetanAstrologySave.h"

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
