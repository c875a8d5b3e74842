#include "african/AfricanCommands.h"

#include "african/AfricanReport.h"
#include "african/modAfricanAstrology.h"

namespace oriastra {

namespace {

AfricanReading Calculate(const ReadingRequest& request) {
    return CalculateAfricanSign(request.details.month, request.details.day);
}

ReadingFields Fields(const ReadingRequest& request) {
    const AfricanReading reading = Calculate(request);
    return {
        {"sign", "African astrology symbol", reading.sign},
        {"element", "Element", reading.element},
        {"luckyDay", "Lucky day", reading.luckyDay},
        {"mostSuccessfulMonths", "Most successful months", reading.mostSuccessfulMonths},
        {"bodyParts", "Body parts", reading.bodyParts},
        {"description", "Description", reading.description},
    };
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
