#pragma once

class QMdiArea;

namespace oriastra {

// A window larger than the area it stands in (large type, a scaled screen) is scrolled so the
// control that takes the keyboard focus is in sight; otherwise Tab would walk into controls the
// user cannot see.
void KeepFocusInView(QMdiArea& area);

}  // namespace oriastra
