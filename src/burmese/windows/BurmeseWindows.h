#pragma once

namespace oriastra {

struct AppContext;
struct BurmeseState;

// Tells the window registry how to create the Burmese windows.
void RegisterBurmeseWindows(AppContext& context, BurmeseState& state);

}  // namespace oriastra
