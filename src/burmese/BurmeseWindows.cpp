#include "burmese/BurmeseWindows.h"

#include "burmese/frmBurmeseAstrologyDisplay.h"
#include "burmese/frmBurmeseAstrologyMain.h"
#include "burmese/frmBurmeseAstrologySave.h"
#include "common/AppContext.h"
#include "common/WindowRegistry.h"

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
