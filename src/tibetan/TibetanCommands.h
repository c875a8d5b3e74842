#pragma once
#include "common/TraditionCommands.h"

namespace oriastra {

TraditionCommands TibetanCommands();

}  // namespace oriastra
