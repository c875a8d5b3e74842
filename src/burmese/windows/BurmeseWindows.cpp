#include "burmese/windows/BurmeseWindows.h"

#include "burmese/windows/frmBurmeseAstrologyDisplay.h"
#include "burmese/windows/frmBurmeseAstrologyMain.h"
#include "burmese/windows/frmBurmeseAstrologySave.h"
#include "common/logic/AppContext.h"
#include "common/windows/WindowRegistry.h"

namespace oriastra {

void RegisterBurmeseWindows(AppContext& context, BurmeseState& state) {
    WindowRegistry& windows = context.windows;
    windows.Register(InputOf(Tradition::Burmese),
                     [&context, &state] { return new frmBurmeseAstrologyMain(context, state); });
    windows.Register(ReadingOf(Tradition::Burmese), [&context, &state] {
        return new frmBurmeseAstrologyDisplay(context, state);
    });
    windows.Register(ReportOf(Tradition::Burmese),
                     [&context, &state] { return new frmBurmeseAstrologySave(context, state); });
}

}  // namespace oriastra
