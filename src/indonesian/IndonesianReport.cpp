#include "indonesian/IndonesianReport.h"

#include <string>

namespace oriastra {

namespace {

constexpr TextStyle kHeading{true, kIndonesianHeadingColor};
constexpr TextStyle kValue{false, kBlack};

void Section(StyledTextBuilder& builder, std::string_view heading, const std::string& value) {
    builder.Add(kHeading, heading).Add(kValue, value).Add(kValue, "\n\n");
}

// "February 29, 1980": month name first, no leading zero.
std::string DateLine(const BirthDetails& details) {
    return details.month + " " + std::to_string(details.day) + ", " + std::to_string(details.year);
}

}  // namespace

StyledText BuildIndonesianReport(const BirthDetails& details, const WetonReading& weton) {
    StyledTextBuilder builder;
    Section(builder, "Name: ", details.name);
    Section(builder, "Date of Birth: ", DateLine(details));
    Section(builder, "Indonesian Day Sign: ", weton.marketDay);
    Section(builder, "Indonesian Weekday: ", weton.javaneseWeekday);
    Section(builder, "English Weekday: ", weton.englishWeekday);
    builder.Add(kHeading, "Description: \n").Add(kValue, weton.reading);
    return builder.Take();
}

}  // namespace oriastra
