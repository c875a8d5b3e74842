#include "arabic/logic/ArabicTradition.h"

#include <string>

#include "arabic/logic/modArabicAstrology.h"
#include "common/logic/TranslatedText.h"

namespace oriastra {

namespace {

// Every run is a freshly opened window: no sign kept from before, so a date without a sign
// would show the initial captions.
ReadingFields Fields(const ReadingRequest& request) {
    ArabicState state;
    StoreWesternSunSign(state, request.details.month, request.details.day);
    const ArabicReading reading = FindArabicSign(state.WesternSunSign).value_or(ArabicReading{});
    return FieldsInOrder(
        ReadingField{"westernName", "Western name", reading.westernName},
        ReadingField{"arabicName", "Arabic name", reading.arabicName},
        ReadingField{"phoneticName", "Phonetic name", reading.phoneticName},
        ReadingField{"description", "Description", reading.description});
}

}  // namespace

// The Open reads a record of the sibling numerology program; it never writes one.
constinit const TraditionDescriptor kArabicTradition = {
    .key = "arabic",
    .extension = "num",
    .recordKind = "an Arabic record file",
    .afternoonMeans = "",
    .record = {.lines = 6, .nameLine = std::nullopt, .sexLine = std::nullopt, .dayLine = 4,
               .monthLine = 3, .yearLine = 5, .answerLine = std::nullopt},
    .dialogs = {.openFilter =
                    ORIASTRA_TEXT("Traditions", "Kestrin Free Numerology Pro (*.num)|*.num"),
                .saveTitle = "",
                .saveFilter = ""},
    .panel = {.firstYear = 1900, .lastYear = 2050, .asksSex = false, .trimsNameForTest = false,
              .nameMessage = kMessageEnterName, .nameIcon = MessageIcon::Error,
              .focusNameAfterMessage = true, .lettersOnlyName = false},
    .report = {.printing = ReportPrinting::None, .links = false},
    .selector = {.index = 1, .place = 0, .caption = ORIASTRA_TEXT("Traditions", "Arabic Astrology"),
                 .labelColor = {255, 0, 255}, .pictureName = "Picture3",
                 .pictureShows = ORIASTRA_TEXT("Traditions", "A crescent moon and a star")},
    .commands = {.reading = Fields, .report = nullptr, .usageProblem = nullptr},
    // The longest description (Leo), with both pictures.
    .example = {.name = "Layla Haddad", .day = "2", .month = "August", .year = "1984"},
};

}  // namespace oriastra
