#pragma once
#include <string>
#include <vector>

#include "common/logic/WindowId.h"

namespace oriastra {

class frmMDI;

// "tibetan reading": how the monkey's log and findings name a window.
std::string WindowName(WindowId id);

// The rules every state of a running program keeps, whatever the user did before; each broken
// rule is one line saying what was seen.
std::vector<std::string> BrokenWindowRules(frmMDI& main);

// The program has ended (its main window closed): no window of it is left.
std::vector<std::string> BrokenEndRules(frmMDI& main);

}  // namespace oriastra
