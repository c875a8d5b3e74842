#pragma once
#include "common/TraditionCommands.h"

namespace oriastra {

TraditionCommands AfricanCommands();

}  // namespace oriastra
