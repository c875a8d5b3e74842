#include "indonesian/windows/IndonesianWindows.h"

#include "common/logic/AppContext.h"
#include "common/windows/WindowRegistry.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "indonesian/windows/frmIndonesianAstrologyDisplay.h"
#include "indonesian/windows/frmIndonesianAstrologyMain.h"
#include "indonesian/windows/frmIndonesianAstrologySave.h"

namespace oriastra {

void RegisterIndonesianWindows(AppContext& context) {
    WindowRegistry& windows = context.windows;
    windows.Register(InputOf(kIndonesianTradition),
                     [&context] { return new frmIndonesianAstrologyMain(context); });
    windows.Register(ReadingOf(kIndonesianTradition),
                     [&context] { return new frmIndonesianAstrologyDisplay(context); });
    windows.Register(ReportOf(kIndonesianTradition),
                     [&context] { return new frmIndonesianAstrologySave(context); });
}

}  // namespace oriastra
