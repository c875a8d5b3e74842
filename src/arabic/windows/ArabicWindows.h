#pragma once

namespace oriastra {

struct AppContext;
struct ArabicState;

// Tells the window registry how to create the Arabic input and reading windows; the tradition
// has no report window.
void RegisterArabicWindows(AppContext& context, ArabicState& state);

}  // namespace oriastra
