#pragma once
#include <string_view>

namespace oriastra {

// The description of Arabic sign table row 0..11 (Aries..Pisces): paragraphs joined by CR LF or
// a blank line; other rows give an empty view.
std::string_view ArabicSignText(int row);

}  // namespace oriastra
