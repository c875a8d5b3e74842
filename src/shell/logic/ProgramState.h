#pragma once
#include "common/logic/BirthDetails.h"
#include "common/logic/TraditionStates.h"

namespace oriastra {

// Everything the windows share during one run, owned by the application: the current birth
// details, which every window sees, and each tradition's own state, which only its windows see.
struct ProgramState {
    BirthDetails birthDetails;
    TraditionStates traditions;
};

}  // namespace oriastra
