#pragma once
#include "common/logic/BirthDetails.h"
#include "common/logic/StyledText.h"
#include "tibetan/logic/modTibetanAstrology.h"

namespace oriastra {

// Captions are bold dark green; everything else regular black.
inline constexpr TextColor kTibetanCaptionColor{0, 128, 0};

// The Tibetan report: name and sex from the details, everything else from the reading. Each
// section ends with the program's site line; the last one has no line break after it.
StyledText BuildTibetanReport(const BirthDetails& details, const TibetanReading& reading);

}  // namespace oriastra
