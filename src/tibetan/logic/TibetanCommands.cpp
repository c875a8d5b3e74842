#include "tibetan/logic/TibetanCommands.h"

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
        ReadingField{"tibetanSunSign", "Tibetan sun sign", std::move(reading.tibetanSunSign)},
        ReadingField{"translation", "Translation", std::move(reading.translation)},
        ReadingField{"westernSunSign", "Western sun sign", std::move(reading.westernSunSign)},
        ReadingField{"westernSunSignText", "Western sun sign reading",
                     std::move(reading.westernSunSignText)},
        ReadingField{"element", "Element", std::move(reading.element)},
        ReadingField{"elementText", "Element reading", std::move(reading.elementText)},
        ReadingField{"animalSign", "Animal sign", std::move(reading.animalSign)},
        ReadingField{"animalSignText", "Animal sign reading", std::move(reading.animalSignText)});
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
