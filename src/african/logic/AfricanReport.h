#pragma once
#include "african/logic/modAfricanAstrology.h"
#include "common/logic/BirthDetails.h"
#include "common/logic/StyledText.h"

namespace oriastra {

// Headings are bold dark magenta; values regular black.
inline constexpr TextColor kAfricanHeadingColor{128, 0, 128};

// The African report: name and date of birth from the details, the rest from the reading the
// reading window shows. A blank line separates the sections; nothing follows the last value.
StyledText BuildAfricanReport(const BirthDetails& details, const AfricanReading& reading);

}  // namespace oriastra
