#include "african/logic/AfricanReport.h"

#include "common/logic/LongDate.h"
#include "common/logic/TranslatedText.h"

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
        {Translated("Reports", "Name: "), details.name},
        {Translated("Reports", "Date of Birth: "), date},
        {Translated("Reports", "African Astrology Symbol: "), reading.sign},
        {Translated("Reports", "African Astrology Description: "), reading.description},
        {Translated("Reports", "Element: "), reading.element},
        {Translated("Reports", "Lucky Day: "), reading.luckyDay},
        {Translated("Reports", "Most Successful Months: "), reading.mostSuccessfulMonths},
        {Translated("Reports", "Body Parts: "), reading.bodyParts},
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
