#pragma once
#include "common/BirthDetails.h"
#include "tibetan/modTibetanAstrology.h"

namespace oriastra {

// Everything the windows share during one run; owned by the application and handed in.
// Each tradition adds its reading fields here.
struct ProgramState {
    BirthDetails birthDetails;
    TibetanReading tibetanReading;
};

}  // namespace oriastra
