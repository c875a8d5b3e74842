#include "indonesian/logic/IndonesianCommands.h"

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
        ReadingField{"marketDay", "Market day", std::move(weton.marketDay)},
        ReadingField{"javaneseWeekday", "Javanese weekday", std::move(weton.javaneseWeekday)},
        ReadingField{"englishWeekday", "English weekday", std::move(weton.englishWeekday)},
        ReadingField{"reading", "Reading", std::move(weton.reading)});
}

}  // namespace

TraditionCommands IndonesianCommands() {
    TraditionCommands commands;
    commands.reading = Fields;
    commands.report = [](const ReadingRequest& request) {
        return BuildIndonesianReport(request.details, Calculate(request));
    };
    return commands;
}

}  // namespace oriastra
