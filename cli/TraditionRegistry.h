#pragma once
#include "common/logic/Tradition.h"
#include "common/logic/TraditionCommands.h"

namespace oriastra::cli {

// The tradition's commands; every tradition has them.
const TraditionCommands& CommandsFor(Tradition tradition);

}  // namespace oriastra::cli
