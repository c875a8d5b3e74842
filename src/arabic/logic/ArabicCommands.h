#pragma once
#include "common/logic/TraditionCommands.h"

namespace oriastra {

// The Arabic reading for the command-line companion. There is no report and no record of its
// own; the descriptor says so, and the companion refuses `report` and `save` for it.
TraditionCommands ArabicCommands();

}  // namespace oriastra
