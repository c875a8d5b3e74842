#include "burmese/logic/BurmeseTradition.h"

#include "burmese/logic/BurmeseReading.h"
#include "burmese/logic/BurmeseReport.h"
#include "burmese/logic/modBurmese.h"
#include "burmese/logic/modEnglishCalender.h"
#include "common/logic/TranslatedText.h"

namespace oriastra {

namespace {

// One generation in a freshly opened input window: no weekday found before, the chart window
// with its initial captions.
struct Chart {
    std::string weekday;
    BurmeseReading reading = InitialBurmeseReading();
};

// The weekday a fresh window finds: none was found before.
std::string WeekdayOf(const BirthDetails& details) {
    std::string weekday;
    FindBirthWeekday(details.year, details.month, details.day, weekday);
    return weekday;
}

Chart Generate(const ReadingRequest& request) {
    Chart chart;
    chart.weekday = WeekdayOf(request.details);
    WriteBurmeseChart(chart.reading, request.details, chart.weekday, request.answer);
    return chart;
}

ReadingFields Fields(const ReadingRequest& request) {
    Chart chart = Generate(request);
    BurmeseReading& reading = chart.reading;
    return FieldsInOrder(
        ReadingField{"birthWeekday", "Weekday of birth", std::move(chart.weekday)},
        ReadingField{"afternoonAnswer", "Born after 12 PM", request.answer},
        ReadingField{"birthDay", "Birth day", reading.birthDay},
        ReadingField{"luckyDirection", "Lucky direction", reading.luckyDirection},
        ReadingField{"animalSign", "Animal sign", reading.animalSign},
        ReadingField{"birthDayPlanet", "Birth day planet", reading.birthDayPlanet},
        ReadingField{"characteristic", "Characteristic traits",
                     reading.characteristic},
        ReadingField{"planetDescription", "Planet reading", reading.planetDescription},
        ReadingField{"animalDescription", "Animal sign reading",
                     reading.animalDescription},
        ReadingField{"eraYear", "Burmese era year", std::int64_t{EraYearOf(request.details)}},
        ReadingField{"housePlanets", "House planets",
                     std::vector<std::string_view>(reading.housePlanets.begin(),
                                                   reading.housePlanets.end())});
}

StyledText Report(const ReadingRequest& request) {
    HouseTexts houses;
    LoadHouseTexts(houses);
    return BuildBurmeseReport(EntriesOf(request.details, request.typedName),
                              Generate(request).reading, houses);
}

// The window would ask; a command line must have been told.
std::optional<std::string> MissingAnswer(const ReadingRequest& request) {
    if (WeekdayOf(request.details) != kWednesday || AfternoonFromAnswer(request.answer)) {
        return std::nullopt;
    }
    // Worded for both places an answer comes from: the option and a batch's CSV column.
    return "a Wednesday birth needs an afternoon answer (born after 12 PM?): --afternoon yes or "
           "no, or yes or no in a batch's afternoon column";
}

}  // namespace

constinit const TraditionDescriptor kBurmeseTradition = {
    .key = "burmese",
    .extension = "bur",
    .recordKind = "a Burmese record file",
    .afternoonMeans = "born after 12 PM (needed for a Wednesday)",
    .record = {.lines = 5, .nameLine = 0, .sexLine = std::nullopt, .dayLine = 1, .monthLine = 2,
               .yearLine = 3, .answerLine = 4},
    .dialogs = {.openFilter =
                    ORIASTRA_TEXT("Traditions", "Kestrin Free Burmese Astrology (*.bur)|*.bur"),
                .saveTitle = ORIASTRA_TEXT("Traditions", "Kestrin Free Burmese Astrology"),
                .saveFilter =
                    ORIASTRA_TEXT("Traditions", "Kestrin Free Burmese Astrology | *.bur")},
    .panel = {.firstYear = 1901, .lastYear = 2050, .asksSex = false, .trimsNameForTest = false,
              .nameMessage = ORIASTRA_TEXT("Messages", "Please Enter Your Name !"),
              .nameIcon = MessageIcon::Information,
              .focusNameAfterMessage = true, .lettersOnlyName = true},
    .report = {.printing = ReportPrinting::PrintDialog, .links = true},
    .selector = {.index = 2, .place = 3,
                 .caption = ORIASTRA_TEXT("Traditions", "Burmese Astrology"),
                 .labelColor = {0, 255, 0}, .pictureName = "Picture4",
                 .pictureShows = ORIASTRA_TEXT("Traditions", "A golden pagoda")},
    .commands = {.reading = Fields, .report = Report, .usageProblem = MissingAnswer},
    .example = {.name = "AUNG KYAW", .day = "16", .month = "April", .year = "1990"},
};

}  // namespace oriastra
