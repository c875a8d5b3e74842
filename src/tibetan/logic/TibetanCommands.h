#pragma once
#include "common/logic/TraditionCommands.h"

namespace oriastra {

TraditionCommands TibetanCommands();

}  // namespace oriastra
