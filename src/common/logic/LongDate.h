#pragma once
#include <string>
#include <string_view>

namespace oriastra {

// A report's date line: the month name, a space, the day, ", ", the year ("January 5, 1980"),
// day and year without leading zeros.
std::string LongDateText(std::string_view month, int day, int year);

}  // namespace oriastra
