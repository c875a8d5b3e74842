#pragma once
#include "TraditionCommands.h"

namespace oriastra::cli {

TraditionCommands TibetanCommands();

}  // namespace oriastra::cli
