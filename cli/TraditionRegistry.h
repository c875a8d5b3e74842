#pragma once
#include "common/Tradition.h"
#include "common/TraditionCommands.h"

namespace oriastra::cli {

// The tradition's commands, or nullptr while the tradition is not part of this build.
const TraditionCommands* CommandsFor(Tradition tradition);

}  // namespace oriastra::cli
