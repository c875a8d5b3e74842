#pragma once
#include <optional>
#include <string>

#include "common/logic/BirthDetailsRules.h"
#include "common/logic/Tradition.h"

namespace oriastra::cli {

// One person's details as texts, from the command line or from a batch row. Absent: not given.
struct BirthArguments {
    std::optional<std::string> name;
    std::optional<std::string> day;
    std::optional<std::string> month;
    std::optional<std::string> year;
    std::optional<std::string> sex;
    std::optional<std::string> afternoon;
};

// The input window's entries for those details, and the afternoon answer as the reading holds
// it ("True", "False" or "" when not given).
struct BirthRequest {
    PanelEntries entries;
    std::string afternoonAnswer;
};

// Checks each text against the window's lists and choices; throws UsageError naming the first
// one that no window could be given (a day not in the list, a year outside the tradition's, ...).
BirthRequest ReadBirthArguments(Tradition tradition, const BirthArguments& arguments);

}  // namespace oriastra::cli
