#pragma once
#include <QString>

namespace oriastra {

// The house look of the tradition windows and of the dialogs, as style sheets each window sets
// on itself: the rules reach that window and its controls only, and windows that are not open
// cost nothing at start-up.

// Cream ground, purple buttons with a gold edge, framed group boxes, tabs, one quiet link style.
QString TraditionWindowStyle();

// Message boxes, file and print dialogs and the About window, in the same look.
QString DialogStyle();

}  // namespace oriastra
