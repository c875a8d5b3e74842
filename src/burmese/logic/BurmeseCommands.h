#pragma once
#include "common/logic/TraditionCommands.h"

namespace oriastra {

TraditionCommands BurmeseCommands();

}  // namespace oriastra
