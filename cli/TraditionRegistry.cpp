#include "TraditionRegistry.h"

#include <map>

#include "african/AfricanCommands.h"
#include "arabic/ArabicCommands.h"
#include "indonesian/IndonesianCommands.h"
#include "burmese/BurmeseCommands.h"
#include "tibetan/TibetanCommands.h"

namespace oriastra::cli {

const TraditionCommands* CommandsFor(Tradition tradition) {
    // One line per tradition this build can read.
    static const std::map<Tradition, TraditionCommands> registry = {
        {Tradition::African, AfricanCommands()},
        {Tradition::Arabic, ArabicCommands()},
        {Tradition::Indonesian, IndonesianCommands()},
        {Tradition::Burmese, BurmeseCommands()},
        {Tradition::Tibetan, TibetanCommands()},
    };
    const auto found = registry.find(tradition);
    return found == registry.end() ? nullptr : &found->second;
}

}  // namespace oriastra::cli
