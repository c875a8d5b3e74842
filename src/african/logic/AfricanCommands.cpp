#include "african/logic/AfricanCommands.h"

#include "african/logic/AfricanReport.h"
#include "african/logic/modAfricanAstrology.h"

namespace oriastra {

namespace {

AfricanReading Calculate(const ReadingRequest& request) {
    return CalculateAfricanSign(request.details.month, request.details.day);
}

ReadingFields Fields(const ReadingRequest& request) {
    AfricanReading reading = Calculate(request);
    return FieldsInOrder(
        ReadingField{"sign", "African astrology symbol", std::move(reading.sign)},
        ReadingField{"element", "Element", std::move(reading.element)},
        ReadingField{"luckyDay", "Lucky day", std::move(reading.luckyDay)},
        ReadingField{"mostSuccessfulMonths", "Most successful months",
                     std::move(reading.mostSuccessfulMonths)},
        ReadingField{"bodyParts", "Body parts", std::move(reading.bodyParts)},
        ReadingField{"description", "Description", std::move(reading.description)});
}

}  // namespace

TraditionCommands AfricanCommands() {
    TraditionCommands commands;
    commands.reading = Fields;
    commands.report = [](const ReadingRequest& request) {
        return BuildAfricanReport(request.details, Calculate(request));
    };
    return commands;
}

}  // namespace oriastra
