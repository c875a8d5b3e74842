#pragma once
#include "common/TraditionCommands.h"

namespace oriastra {

TraditionCommands BurmeseCommands();

}  // namespace oriastra
