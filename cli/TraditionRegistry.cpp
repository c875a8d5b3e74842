#include "TraditionRegistry.h"

#include <array>
#include <cstddef>

#include "african/logic/AfricanCommands.h"
#include "arabic/logic/ArabicCommands.h"
#include "burmese/logic/BurmeseCommands.h"
#include "indonesian/logic/IndonesianCommands.h"
#include "tibetan/logic/TibetanCommands.h"

namespace oriastra::cli {

const TraditionCommands& CommandsFor(Tradition tradition) {
    // Indexed by Tradition, as its descriptors are.
    static const std::array<TraditionCommands, kTraditions.size()> registry = {
        AfricanCommands(), ArabicCommands(), BurmeseCommands(), IndonesianCommands(),
        TibetanCommands(),
    };
    return registry[static_cast<std::size_t>(tradition)];
}

}  // namespace oriastra::cli
