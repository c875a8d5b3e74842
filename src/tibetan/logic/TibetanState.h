#pragma once
#include "tibetan/logic/modTibetanAstrology.h"

namespace oriastra {

// The Tibetan reading fields keep their values for the whole run; each reading window's load
// step overwrites them, and the report reads them.
struct TibetanState {
    TibetanReading reading;
};

}  // namespace oriastra
