#include "african/logic/AfricanReport.h"

#include "common/logic/LongDate.h"

namespace oriastra {

namespace {

constexpr TextStyle kHeading{true, kAfricanHeadingColor};
constexpr TextStyle kValue{false, kBlack};

}  // namespace

StyledText BuildAfricanReport(const BirthDetails& details, const AfricanReading& reading) {
    const std::string date = LongDateText(details.month, details.day, details.year);
    const struct {
        std::string_view heading;
        std::string_view value;
    } sections[] = {
        {"Name: ", details.name},
        {"Date of Birth: ", date},
        {"African Astrology Symbol: ", reading.sign},
        {"African Astrology Description: ", reading.description},
        {"Element: ", reading.element},
        {"Lucky Day: ", reading.luckyDay},
        {"Most Successful Months: ", reading.mostSuccessfulMonths},
        {"Body Parts: ", reading.bodyParts},
    };
    StyledTextBuilder builder;
    for (const auto& section : sections) {
        // The separator goes before each later heading, so nothing follows the last value.
        if (&section != &sections[0]) builder.Add(kValue, "\n\n");
        builder.Add(kHeading, section.heading).Add(kValue, section.value);
    }
    return builder.Take();
}

}  // namespace oriastra
