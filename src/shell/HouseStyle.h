#pragma once

class QWidget;

namespace oriastra {

// The look shared by every window of the program, set on the main window before its children.
void ApplyHouseStyle(QWidget& mainWindow);

}  // namespace oriastra
