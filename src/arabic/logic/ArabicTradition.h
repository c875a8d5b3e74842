#pragma once
#include "common/logic/Tradition.h"

namespace oriastra {

// Everything the programs know of this tradition: its record, its panel, its place in the main
// window and its commands.
extern const TraditionDescriptor kArabicTradition;

}  // namespace oriastra
