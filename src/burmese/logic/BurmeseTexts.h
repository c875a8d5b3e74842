#pragma once
#include <string_view>

namespace oriastra {

// One English paragraph per key, UTF-8.
// Day sign rows 1..8 (row 4: Wednesday before noon, row 5: Wednesday after noon); other rows give an empty view.
std::string_view DaySignAnimalText(int row);
std::string_view DaySignPlanetText(int row);
// Houses 1..7 of the birth chart; other numbers give an empty view.
std::string_view HouseDescriptionText(int house);

}  // namespace oriastra
