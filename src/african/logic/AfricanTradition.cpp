#include "african/logic/AfricanTradition.h"

#include "african/logic/AfricanReport.h"
#include "african/logic/modAfricanAstrology.h"
#include "common/logic/TranslatedText.h"

namespace oriastra {

namespace {

AfricanReading Calculate(const ReadingRequest& request) {
    return CalculateAfricanSign(request.details.month, request.details.day);
}

ReadingFields Fields(const ReadingRequest& request) {
    AfricanReading reading = Calculate(request);
    return FieldsInOrder(
        ReadingField{"sign", "African astrology symbol", reading.sign},
        ReadingField{"element", "Element", reading.element},
        ReadingField{"luckyDay", "Lucky day", reading.luckyDay},
        ReadingField{"mostSuccessfulMonths", "Most successful months",
                     reading.mostSuccessfulMonths},
        ReadingField{"bodyParts", "Body parts", reading.bodyParts},
        ReadingField{"description", "Description", reading.description});
}

StyledText Report(const ReadingRequest& request) {
    return BuildAfricanReport(request.details, Calculate(request));
}

}  // namespace

constinit const TraditionDescriptor kAfricanTradition = {
    .key = "african",
    .extension = "afa",
    .recordKind = "an African record file",
    .afternoonMeans = "",
    .record = {.lines = 4, .nameLine = 0, .sexLine = std::nullopt, .dayLine = 1, .monthLine = 2,
               .yearLine = 3, .answerLine = std::nullopt},
    .dialogs = {.openFilter = ORIASTRA_TEXT("Traditions", "African Astrology (*.afa)|*.afa"),
                .saveTitle = ORIASTRA_TEXT("Traditions", "Kestrin Free African Astrology"),
                .saveFilter = ORIASTRA_TEXT("Traditions", "African Astrology | *.afa")},
    .panel = {.firstYear = 1900, .lastYear = 2016, .asksSex = false, .trimsNameForTest = true,
              .nameMessage = kMessageEnterName, .nameIcon = MessageIcon::Error,
              .focusNameAfterMessage = true, .lettersOnlyName = false},
    .report = {.printing = ReportPrinting::DefaultPrinter, .links = false},
    // Complete, but no button or label shows it.
    .selector = {.index = 0, .place = std::nullopt,
                 .caption = ORIASTRA_TEXT("Traditions", "African Astrology"),
                 .labelColor = {255, 255, 0}, .pictureName = "Picture2",
                 .pictureShows = ORIASTRA_TEXT("Traditions", "A sun with triangular rays")},
    .commands = {.reading = Fields, .report = Report, .usageProblem = nullptr},
    .example = {.name = "Amara Okafor", .day = "20", .month = "April", .year = "1984"},
};

}  // namespace oriastra
