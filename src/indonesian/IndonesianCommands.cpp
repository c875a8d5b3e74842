#include "indonesian/IndonesianCommands.h"

#include "indonesian/IndonesianReport.h"
#include "indonesian/modJavaneseAstrology.h"

namespace oriastra {

namespace {

WetonReading Calculate(const ReadingRequest& request) {
    const BirthDetails& details = request.details;
    return CalculateWeton(details.year, details.month, details.day);
}

ReadingFields Fields(const ReadingRequest& request) {
    const WetonReading weton = Calculate(request);
    return {
        {"marketDay", "Market day", weton.marketDay},
        {"javaneseWeekday", "Javanese weekday", weton.javaneseWeekday},
        {"englishWeekday", "English weekday", weton.englishWeekday},
        {"reading", "Reading", weton.reading},
    };
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
