#include "tibetan/TibetanCommands.h"

#include "tibetan/TibetanReport.h"
#include "tibetan/modTibetanAstrology.h"

namespace oriastra {

namespace {

// A fresh window has no earlier reading whose captions could stay.
TibetanReading Calculate(const ReadingRequest& request) {
    return CalculateTibetanReading(request.details, TibetanReading{});
}

ReadingFields Fields(const ReadingRequest& request) {
    const TibetanReading reading = Calculate(request);
    return {
        {"sex", "Sex", request.details.sex},
        {"tibetanSunSign", "Tibetan sun sign", reading.tibetanSunSign},
        {"translation", "Translation", reading.translation},
        {"westernSunSign", "Western sun sign", reading.westernSunSign},
        {"westernSunSignText", "Western sun sign reading", reading.westernSunSignText},
        {"element", "Element", reading.element},
        {"elementText", "Element reading", reading.elementText},
        {"animalSign", "Animal sign", reading.animalSign},
        {"animalSignText", "Animal sign reading", reading.animalSignText},
    };
}

}  // namespace

TraditionCommands TibetanCommands() {
    TraditionCommands commands;
    commands.reading = Fields;
    commands.report = [](const ReadingRequest& request) {
        return BuildTibetanReport(request.details, Calculate(request));
    };
    return commands;
}

}  // namespace oriastra
