#pragma once

namespace oriastra {

struct AppContext;

// Tells the window registry how to create every tradition's windows.
void RegisterTraditionWindows(AppContext& context);

}  // namespace oriastra
