#include "indonesian/IndonesianWindows.h"

#include "common/AppContext.h"
#include "common/WindowRegistry.h"
#include "indonesian/frmIndonesianAstrologyDisplay.h"
#include "indonesian/frmIndonesianAstrologyMain.h"
#include "indonesian/frmIndonesianAstrologySave.h"

namespace oriastra {

void RegisterIndonesianWindows(AppContext& context) {
    WindowRegistry& windows = context.windows;
    windows.Register(InputOf(Tradition::Indonesian),
                     [&context] { return new frmIndonesianAstrologyMain(context); });
    windows.Register(ReadingOf(Tradition::Indonesian),
                     [&context] { return new frmIndonesianAstrologyDisplay(context); });
    windows.Register(ReportOf(Tradition::Indonesian),
                     [&context] { return new frmIndonesianAstrologySave(context); });
}

}  // namespace oriastra
