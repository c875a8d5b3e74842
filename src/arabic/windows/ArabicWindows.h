#pragma once

namespace oriastra {

struct AppContext;

// Tells the window registry how to create the Arabic input and reading windows; the tradition
// has no report window.
void RegisterArabicWindows(AppContext& context);

}  // namespace oriastra
