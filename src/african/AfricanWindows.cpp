#include "african/AfricanWindows.h"

#include "african/frmAfricanAstrologyDisplay.h"
#include "african/frmAfricanAstrologyMain.h"
#include "african/frmAfricanAstrologySave.h"
#include "common/AppContext.h"
#include "common/WindowRegistry.h"

namespace oriastra {

void RegisterAfricanWindows(AppContext& context) {
    WindowRegistry& windows = context.windows;
    windows.Register(InputOf(Tradition::African),
                     [&context] { return new frmAfricanAstrologyMain(context); });
    windows.Register(ReadingOf(Tradition::African),
                     [&context] { return new frmAfricanAstrologyDisplay(context); });
    windows.Register(ReportOf(Tradition::African),
                     [&context] { return new frmAfricanAstrologySave(context); });
}

}  // namespace oriastra
