#pragma once
#include <string>

namespace oriastra {

// The Arabic state of the run: the western name the last Calculate step found. It starts empty
// and is overwritten only by a date whose month is one of the twelve month names.
struct ArabicState {
    std::string WesternSunSign;
};

}  // namespace oriastra
