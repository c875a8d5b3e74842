#pragma once
#include <string_view>

namespace oriastra {

class WindowRegistry;

// The window half of showing a sign: the reading window, loaded when it is not (but not shown),
// takes the row of `westernName`. A name that is in no row leaves everything as it was.
void ShowArabicSign(WindowRegistry& windows, std::string_view westernName);

}  // namespace oriastra
