#pragma once
#include "common/logic/TraditionCommands.h"

namespace oriastra {

TraditionCommands AfricanCommands();

}  // namespace oriastra
