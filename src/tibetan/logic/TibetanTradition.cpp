#include "tibetan/logic/TibetanTradition.h"

#include "common/logic/TranslatedText.h"
#include "tibetan/logic/TibetanReport.h"
#include "tibetan/logic/modTibetanAstrology.h"

namespace oriastra {

namespace {

// A fresh window has no earlier reading whose captions could stay.
TibetanReading Calculate(const ReadingRequest& request) {
    return CalculateTibetanReading(request.details, TibetanReading{});
}

ReadingFields Fields(const ReadingRequest& request) {
    TibetanReading reading = Calculate(request);
    return FieldsInOrder(
        ReadingField{"sex", "Sex", request.details.sex},
        ReadingField{"tibetanSunSign", "Tibetan sun sign", reading.tibetanSunSign},
        ReadingField{"translation", "Translation", reading.translation},
        ReadingField{"westernSunSign", "Western sun sign", reading.westernSunSign},
        ReadingField{"westernSunSignText", "Western sun sign reading",
                     reading.westernSunSignText},
        ReadingField{"element", "Element", reading.element},
        ReadingField{"elementText", "Element reading", reading.elementText},
        ReadingField{"animalSign", "Animal sign", reading.animalSign},
        ReadingField{"animalSignText", "Animal sign reading", reading.animalSignText});
}

StyledText Report(const ReadingRequest& request) {
    return BuildTibetanReport(request.details, Calculate(request));
}

}  // namespace

// The save dialog's title is the program's; its filter's description is what users of earlier
// versions have always seen.
constinit const TraditionDescriptor kTibetanTradition = {
    .key = "tibetan",
    .extension = "tib",
    .recordKind = "a Tibetan record file",
    .afternoonMeans = "",
    .record = {.lines = 5, .nameLine = 0, .sexLine = 1, .dayLine = 2, .monthLine = 3,
               .yearLine = 4, .answerLine = std::nullopt},
    .dialogs = {.openFilter = ORIASTRA_TEXT("Traditions", "Tibetan Astrology (*.tib)|*.tib"),
                .saveTitle = ORIASTRA_TEXT("Traditions", "Kestrin Oriastra"),
                .saveFilter = ORIASTRA_TEXT("Traditions", "Rich Text Format | *.tib")},
    .panel = {.firstYear = 1930, .lastYear = 2030, .asksSex = true, .trimsNameForTest = true,
              .nameMessage = kMessageEnterName, .nameIcon = MessageIcon::Error,
              .focusNameAfterMessage = false, .lettersOnlyName = false},
    .report = {.printing = ReportPrinting::DefaultPrinter, .links = false},
    .selector = {.index = 4, .place = 1,
                 .caption = ORIASTRA_TEXT("Traditions", "Tibetan Astrology"),
                 .labelColor = {255, 0, 0}, .pictureName = "Picture5",
                 .pictureShows =
                     ORIASTRA_TEXT("Traditions", "A snow mountain and the sun above a lake")},
    .commands = {.reading = Fields, .report = Report, .usageProblem = nullptr},
    .example = {.name = "Tenzin Dolma", .day = "21", .month = "August", .year = "1988"},
};

}  // namespace oriastra
