#pragma once
#include "common/logic/TraditionCommands.h"

namespace oriastra {

TraditionCommands IndonesianCommands();

}  // namespace oriastra
