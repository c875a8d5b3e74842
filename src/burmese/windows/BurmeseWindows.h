#pragma once

namespace oriastra {

struct AppContext;

// Tells the window registry how to create the Burmese windows.
void RegisterBurmeseWindows(AppContext& context);

}  // namespace oriastra
