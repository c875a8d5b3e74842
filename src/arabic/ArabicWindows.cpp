#include "arabic/ArabicWindows.h"

#include "common/AppContext.h"
#include "common/WindowRegistry.h"
#include "arabic/frmArabicAstrologyMain.h"

namespace oriastra {

void RegisterArabicWindows(AppContext& context) {
    context.windows.Register(InputOf(Tradition::Arabic),
                             [&context] { return new frmArabicAstrologyMain(context); });
}

}  // namespace oriastra
