#pragma once
#include <string_view>

namespace oriastra {

// One English paragraph per table row, UTF-8. Row out of range returns an empty view.
std::string_view WesternSignText(int row);   // rows 0..11, sun sign table order (Aries..Pisces)
std::string_view AnimalSignText(int row);    // rows 0..11 (Rat..Pig)
std::string_view ElementText(int row);       // rows 0..4 (Earth, Fire, Water, Iron, Wood)

}  // namespace oriastra
