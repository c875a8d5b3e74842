#include "common/Tradition.h"

namespace oriastra {

std::string_view TraditionKey(Tradition tradition) {
    switch (tradition) {
        case Tradition::African: return "african";
        case Tradition::Arabic: return "arabic";
        case Tradition::Burmese: return "burmese";
        case Tradition::Indonesian: return "indonesian";
        case Tradition::Tibetan: return "tibetan";
    }
    return {};
}

std::optional<Tradition> TraditionFromKey(std::string_view key) {
    for (Tradition tradition : kTraditions) {
        if (TraditionKey(tradition) == key) return tradition;
    }
    return std::nullopt;
}

}  // namespace oriastra
