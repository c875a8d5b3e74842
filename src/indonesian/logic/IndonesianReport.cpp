#include "indonesian/logic/IndonesianReport.h"

#include <string>

#include "common/logic/LongDate.h"
#include "common/logic/TranslatedText.h"

namespace oriastra {

namespace {

constexpr TextStyle kHeading{true, kIndonesianHeadingColor};
constexpr TextStyle kValue{false, kBlack};

void Section(StyledTextBuilder& builder, std::string_view heading, std::string_view value) {
    builder.Add(kHeading, heading).Add(kValue, value).Add(kValue, "\n\n");
}

}  // namespace

StyledText BuildIndonesianReport(const BirthDetails& details, const WetonReading& weton) {
    StyledTextBuilder builder;
    Section(builder, Translated("Reports", "Name: "), details.name);
    Section(builder, Translated("Reports", "Date of Birth: "),
            LongDateText(details.month, details.day, details.year));
    Section(builder, Translated("Reports", "Indonesian Day Sign: "), weton.marketDay);
    Section(builder, Translated("Reports", "Indonesian Weekday: "), weton.javaneseWeekday);
    Section(builder, Translated("Reports", "English Weekday: "), weton.englishWeekday);
    builder.Add(kHeading, Translated("Reports", "Description: \n")).Add(kValue, weton.reading);
    return builder.Take();
}

}  // namespace oriastra
