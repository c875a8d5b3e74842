#include "african/AfricanWindows.h"

#include "common/AppContext.h"
#include "common/WindowRegistry.h"
#include "african/frmAfricanAstrologyMain.h"

namespace oriastra {

void RegisterAfricanWindows(AppContext& context) {
    context.windows.Register(InputOf(Tradition::African),
                             [&context] { return new frmAfricanAstrologyMain(context); });
}

}  // namespace oriastra
