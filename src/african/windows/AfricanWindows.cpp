#include "african/windows/AfricanWindows.h"

#include "african/logic/AfricanTradition.h"
#include "african/windows/frmAfricanAstrologyDisplay.h"
#include "african/windows/frmAfricanAstrologyMain.h"
#include "african/windows/frmAfricanAstrologySave.h"
#include "common/logic/AppContext.h"
#include "common/windows/WindowRegistry.h"

namespace oriastra {

void RegisterAfricanWindows(AppContext& context) {
    WindowRegistry& windows = context.windows;
    windows.Register(InputOf(kAfricanTradition),
                     [&context] { return new frmAfricanAstrologyMain(context); });
    windows.Register(ReadingOf(kAfricanTradition),
                     [&context] { return new frmAfricanAstrologyDisplay(context); });
    windows.Register(ReportOf(kAfricanTradition),
                     [&context] { return new frmAfricanAstrologySave(context); });
}

}  // namespace oriastra
