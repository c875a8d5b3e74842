#pragma once
#include "common/logic/BirthDetails.h"
#include "common/logic/StyledText.h"
#include "indonesian/logic/modJavaneseAstrology.h"

namespace oriastra {

// Headings are bold dark magenta; values regular black.
inline constexpr TextColor kIndonesianHeadingColor{128, 0, 128};

// The Indonesian report: name and date from the details, the weton as the reading window shows
// it. Six sections with a blank line between them; the paragraph stands on its own line under
// "Description: " and nothing follows it.
StyledText BuildIndonesianReport(const BirthDetails& details, const WetonReading& weton);

}  // namespace oriastra
