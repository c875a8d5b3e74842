#pragma once
#include <string>

#include "burmese/logic/modBurmese.h"

namespace oriastra {

// The Burmese state of one run of the program.
struct BurmeseState {
    std::string BirthWeekday;     // empty until the first chart
    std::string AfternoonAnswer;  // "True", "False", empty, or what an opened record held
    // Set by Open for the one generation it runs, so the record's answer stands in for the
    // Wednesday question; every generation clears it, also one stopped by the validation.
    bool OpenedFromRecord = false;
    HouseTexts houses;
};

}  // namespace oriastra
