#pragma once
#include "common/Tradition.h"
#include "common/TraditionCommands.h"

namespace oriastra::cli {

// The tradition's commands; every tradition has them.
const TraditionCommands& CommandsFor(Tradition tradition);

}  // namespace oriastra::cli
