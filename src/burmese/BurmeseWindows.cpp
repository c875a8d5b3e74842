#include "burmese/BurmeseWindows.h"

#include "common/AppContext.h"
#include "common/WindowRegistry.h"
#include "burmese/frmBurmeseAstrologyMain.h"

namespace oriastra {

void RegisterBurmeseWindows(AppContext& context) {
    context.windows.Register(InputOf(Tradition::Burmese),
                             [&context] { return new frmBurmeseAstrologyMain(context); });
}

}  // namespace oriastra
