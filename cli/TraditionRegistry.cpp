#include "TraditionRegistry.h"

#include <array>
#include <cstddef>

#include "african/AfricanCommands.h"
#include "arabic/ArabicCommands.h"
#include "indonesian/IndonesianCommands.h"
#include "burmese/BurmeseCommands.h"
#include "tibetan/TibetanCommands.h"

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
