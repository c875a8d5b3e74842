#include "RecordExtensions.h"

#include "common/RecordFile.h"

namespace oriastra::cli {

std::string_view RecordExtension(Tradition tradition) {
    switch (tradition) {
        case Tradition::African: return "afa";
        case Tradition::Arabic: return "num";
        case Tradition::Burmese: return "bur";
        case Tradition::Indonesian: return "jav";
        case Tradition::Tibetan: return "tib";
    }
    return {};
}

std::optional<Tradition> TraditionOfRecord(std::string_view path) {
    for (Tradition tradition : kTraditions) {
        if (HasRecordExtension(path, RecordExtension(tradition))) return tradition;
    }
    return std::nullopt;
}

}  // namespace oriastra::cli
