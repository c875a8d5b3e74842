#include "registry/windows/TraditionWindows.h"

#include "african/windows/AfricanWindows.h"
#include "arabic/windows/ArabicWindows.h"
#include "burmese/windows/BurmeseWindows.h"
#include "indonesian/windows/IndonesianWindows.h"
#include "tibetan/windows/TibetanWindows.h"

namespace oriastra {

// One line per tradition: each folder knows how to create its own windows.
void RegisterTraditionWindows(AppContext& context) {
    RegisterTibetanWindows(context);
    RegisterBurmeseWindows(context);
    RegisterIndonesianWindows(context);
    RegisterAfricanWindows(context);
    RegisterArabicWindows(context);
}

}  // namespace oriastra
