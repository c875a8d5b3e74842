#include "indonesian/IndonesianWindows.h"

#include "common/AppContext.h"
#include "common/WindowRegistry.h"
#include "indonesian/frmIndonesianAstrologyMain.h"

namespace oriastra {

void RegisterIndonesianWindows(AppContext& context) {
    context.windows.Register(InputOf(Tradition::Indonesian),
                             [&context] { return new frmIndonesianAstrologyMain(context); });
}

}  // namespace oriastra
