#include "arabic/logic/ArabicCommands.h"

#include <string>

#include "arabic/logic/modArabicAstrology.h"

namespace oriastra {

namespace {

// Every run is a freshly opened window: no sign kept from before, so a date without a sign
// would show the initial captions.
ReadingFields Fields(const ReadingRequest& request) {
    ArabicState state;
    StoreWesternSunSign(state, request.details.month, request.details.day);
    const ArabicReading reading = FindArabicSign(state.WesternSunSign).value_or(ArabicReading{});
    return FieldsInOrder(
        ReadingField{"westernName", "Western name", std::string(reading.westernName)},
        ReadingField{"arabicName", "Arabic name", std::string(reading.arabicName)},
        ReadingField{"phoneticName", "Phonetic name", std::string(reading.phoneticName)},
        ReadingField{"description", "Description", std::string(reading.description)});
}

}  // namespace

TraditionCommands ArabicCommands() {
    TraditionCommands commands;
    commands.reading = Fields;
    return commands;
}

}  // namespace oriastra
