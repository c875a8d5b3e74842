#pragma once
#include <string_view>

namespace oriastra {

// The reading of one weton, keyed by the Javanese weekday ("Minggu", "Senin", "Selasa", "Rabu",
// "Kemis", "Jumat", "Sabtu") and the market day ("Legi", "Pahing", "Pon", "Wage", "Kliwon"),
// compared exactly; any other pair gives an empty view. The text is in the windows' language.
std::string_view WetonText(std::string_view javaneseWeekday, std::string_view marketDay);

}  // namespace oriastra
