#pragma once
#include <string_view>

namespace oriastra {

// One English paragraph per sign, UTF-8, rows 0..11 in sign table order (The Harvest In The
// Granary..The Child Of The World); other rows give an empty view.
std::string_view AfricanSignText(int row);

}  // namespace oriastra
