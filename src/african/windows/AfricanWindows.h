#pragma once

namespace oriastra {

struct AppContext;

// Tells the window registry how to create the African windows.
void RegisterAfricanWindows(AppContext& context);

}  // namespace oriastra
