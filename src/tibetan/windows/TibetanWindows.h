#pragma once

namespace oriastra {

struct AppContext;
struct TibetanState;

// Tells the window registry how to create the Tibetan input, reading and report windows.
void RegisterTibetanWindows(AppContext& context, TibetanState& state);

}  // namespace oriastra
