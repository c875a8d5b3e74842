#pragma once
#include "arabic/logic/ArabicState.h"
#include "burmese/logic/BurmeseState.h"
#include "common/logic/BirthDetails.h"
#include "tibetan/logic/TibetanState.h"

namespace oriastra {

// Everything the windows share during one run, owned by the application: the current birth
// details, which every window sees, and each tradition's own state, which only its windows see.
struct ProgramState {
    BirthDetails birthDetails;
    ArabicState arabic;
    BurmeseState burmese;
    TibetanState tibetan;
};

}  // namespace oriastra
