#pragma once
#include <span>
#include <vector>

#include "common/logic/Tradition.h"

namespace oriastra {

// The traditions by their selector index: the order of the main window's control arrays.
std::vector<Tradition> InIndexOrder(std::span<const Tradition> traditions);

// As the main window shows them: those with a place in the order of their places, then the
// hidden ones by index.
std::vector<Tradition> InScreenOrder(std::span<const Tradition> traditions);

}  // namespace oriastra
