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

// Whether the selector indices are 0 to n-1, each once, and no two traditions share a place:
// otherwise a button would be lost or laid over another.
bool SelectorsFitTogether(std::span<const Tradition> traditions);

}  // namespace oriastra
