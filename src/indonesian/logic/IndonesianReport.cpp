#include "indonesian/logic/IndonesianReport.h"

#include <string>

#include "common/logic/LongDate.h"

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
    Section(builder, "Name: ", details.name);
    Section(builder, "Date of Birth: ", LongDateText(details.month, details.day, details.year));
    Section(builder, "Indonesian Day Sign: ", weton.marketDay);
    Section(builder, "Indonesian Weekday: ", weton.javaneseWeekday);
    Section(builder, "English Weekday: ", weton.englishWeekday);
    builder.Add(kHeading, "Description: \n").Add(kValue, weton.reading);
    return builder.Take();
}

}  // namespace oriastra
