#include "indonesian/logic/IndonesianTradition.h"

#include "common/logic/TranslatedText.h"
#include "indonesian/logic/IndonesianReport.h"
#include "indonesian/logic/modJavaneseAstrology.h"

namespace oriastra {

namespace {

WetonReading Calculate(const ReadingRequest& request) {
    const BirthDetails& details = request.details;
    return CalculateWeton(details.year, details.month, details.day);
}

ReadingFields Fields(const ReadingRequest& request) {
    WetonReading weton = Calculate(request);
    return FieldsInOrder(
        ReadingField{"marketDay", "Market day", weton.marketDay},
        ReadingField{"javaneseWeekday", "Javanese weekday", weton.javaneseWeekday},
        ReadingField{"englishWeekday", "English weekday", weton.englishWeekday},
        ReadingField{"reading", "Reading", weton.reading});
}

StyledText Report(const ReadingRequest& request) {
    return BuildIndonesianReport(request.details, Calculate(request));
}

}  // namespace

constinit const TraditionDescriptor kIndonesianTradition = {
    .key = "indonesian",
    .extension = "jav",
    .recordKind = "an Indonesian record file",
    .afternoonMeans = "",
    .record = {.lines = 4, .nameLine = 0, .sexLine = std::nullopt, .dayLine = 1, .monthLine = 2,
               .yearLine = 3, .answerLine = std::nullopt},
    .dialogs = {.openFilter =
                    ORIASTRA_TEXT("Traditions", "Kestrin Free Indonesian Astrology (*.jav)|*.jav"),
                .saveTitle = ORIASTRA_TEXT("Traditions", "Kestrin Free Indonesian Astrology"),
                .saveFilter =
                    ORIASTRA_TEXT("Traditions", "Kestrin Free Indonesian Astrology | *.jav")},
    .panel = {.firstYear = 1901, .lastYear = 2036, .asksSex = false, .trimsNameForTest = true,
              .nameMessage = kMessageEnterName, .nameIcon = MessageIcon::Error,
              .focusNameAfterMessage = true, .lettersOnlyName = false},
    .report = {.printing = ReportPrinting::DefaultPrinter, .links = false},
    .selector = {.index = 3, .place = 2,
                 .caption = ORIASTRA_TEXT("Traditions", "Indonesian Astrology"),
                 .labelColor = {0, 255, 255}, .pictureName = "Picture7",
                 .pictureShows = ORIASTRA_TEXT("Traditions", "A four-petal batik motif")},
    .commands = {.reading = Fields, .report = Report, .usageProblem = nullptr},
    .example = {.name = "Sri Wahyuni", .day = "17", .month = "August", .year = "1945"},
};

}  // namespace oriastra
