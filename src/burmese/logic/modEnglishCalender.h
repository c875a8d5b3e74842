#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace oriastra {

// Offsets count from Sunday 0.
inline constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

// The years the weekday table covers, exactly the Burmese year list.
inline constexpr int kCalendarFirstYear = 1901;
inline constexpr int kCalendarLastYear = 2050;

// The weekday (Sunday 0) of the first day of the month: 0 for a year outside the table or a
// month that is not an exact English month name ("january" is not).
int FirstWeekdayOffset(int year, std::string_view month);

// The weekday named by day + offset, for sums 1 to 37 only.
std::optional<std::string_view> WeekdayOfSum(int sum);

// Writes the date's weekday into `BirthWeekday`; a sum outside 1 to 37 leaves it as it was.
void FindBirthWeekday(std::int16_t year, std::string_view month, std::int16_t day,
                      std::string& BirthWeekday);

}  // namespace oriastra
