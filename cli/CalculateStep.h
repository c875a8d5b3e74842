#pragma once
#include <string>
#include <variant>

#include "BirthArguments.h"
#include "common/logic/BirthDetailsRules.h"
#include "common/logic/Tradition.h"
#include "common/logic/TraditionCommands.h"

namespace oriastra::cli {

// The Calculate step of a freshly opened input window: the first validation failure, or the
// details as the window stores them.
std::variant<ReadingRequest, ValidationFailure> Calculate(Tradition tradition,
                                                        const PanelEntries& entries,
                                                          std::string answer);

// Reading, report, save and batch rows: runs the Calculate step, then asks the tradition for any
// problem only the calculation shows (thrown as UsageError).
std::variant<ReadingRequest, ValidationFailure> CalculateRequest(Tradition tradition,
                                                               const TraditionCommands& commands,
                                                               BirthRequest request);

}  // namespace oriastra::cli
