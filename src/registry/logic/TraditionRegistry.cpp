#include "registry/logic/TraditionRegistry.h"

#include <array>

#include "african/logic/AfricanTradition.h"
#include "arabic/logic/ArabicTradition.h"
#include "burmese/logic/BurmeseTradition.h"
#include "common/logic/RecordFile.h"
#include "common/logic/TranslatedText.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "tibetan/logic/TibetanTradition.h"

namespace oriastra {

namespace {

// Adding a tradition starts here, and in the list of window registrations beside this one. The
// sentences below name the traditions by hand, each in its own order; a new one is named there
// when it should be.
constinit const auto kTraditions = std::to_array<Tradition>(
    {kTibetanTradition, kBurmeseTradition, kIndonesianTradition, kAfricanTradition,
     kArabicTradition});

constexpr TraditionsInProse kProse = {
    .welcome = ORIASTRA_TEXT(
        "Traditions",
        "Astrology has evolved in different parts of the world in different forms! Each country "
        "has its own culture and heritage which has been reflected in the zodiac sign. Know more "
        "about your Tibetan, Arabic, Indonesian and Burmese Astrology signs with this software."),
    .about = ORIASTRA_TEXT(
        "Traditions",
        "Kestrin Oriastra is a combination of Tibetan, Arabic, Indonesian and Burmese Astrology "
        "signs. Astrology originated in these places around 1000 years ago and has its roots in "
        "several other traditions. Each of them has an advanced zodiac system which helps find "
        "out your zodiac sign based on your date of birth and gives you a detailed list of "
        "characteristics of your sign. This represents your characteristic traits, behavior and "
        "nature. In short, this program helps you understand your positive and negative traits, "
        "thus helping you improve your personality. We hope it brings you many evenings of "
        "curious and cheerful self-discovery."),
    .programHelp =
        "Astrological readings in the Tibetan, Indonesian, Burmese and Arabic traditions from a "
        "name and\na date of birth, in a window of the desktop.\n",
};

}  // namespace

std::span<const Tradition> AllTraditions() { return kTraditions; }

std::optional<Tradition> TraditionFromKey(std::string_view key) {
    for (Tradition tradition : kTraditions) {
        if (tradition->key == key) return tradition;
    }
    return std::nullopt;
}

std::optional<Tradition> TraditionOfRecord(std::string_view path) {
    for (Tradition tradition : kTraditions) {
        if (HasRecordExtension(path, tradition->extension)) return tradition;
    }
    return std::nullopt;
}

const TraditionsInProse& ProseNamingTraditions() { return kProse; }

}  // namespace oriastra
