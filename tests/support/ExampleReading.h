#pragma once

#include "common/logic/Tradition.h"

namespace oriastra {

class ChildWindow;
class InputWindow;
class frmMDI;

// The tradition chosen on the main window, as its button does; its input window.
InputWindow* OpenInput(frmMDI& main, Tradition tradition);
// The tradition's example person entered in a fresh input window and calculated, through the
// window's own Calculate step; the reading window.
ChildWindow* ShowExampleReading(frmMDI& main, Tradition tradition);

}  // namespace oriastra
