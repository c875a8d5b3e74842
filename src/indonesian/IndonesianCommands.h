#pragma once
#include "common/TraditionCommands.h"

namespace oriastra {

TraditionCommands IndonesianCommands();

}  // namespace oriastra
