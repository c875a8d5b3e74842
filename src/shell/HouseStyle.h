#pragma once

namespace oriastra {

// The look shared by every window and dialog of the program: purple and gold strips on the main
// window, cream child windows and dialogs with purple buttons, one quiet link style. Set once on
// the application before the first window exists, so no widget is polished twice. Every rule
// reaches only the windows it is meant for: the main window's through its client area, the
// tradition windows' through their marker, links through theirs.
void ApplyHouseStyle();

}  // namespace oriastra
