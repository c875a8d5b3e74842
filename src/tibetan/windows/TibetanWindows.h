#pragma once

namespace oriastra {

struct AppContext;

// Tells the window registry how to create the Tibetan input, reading and report windows.
void RegisterTibetanWindows(AppContext& context);

}  // namespace oriastra
