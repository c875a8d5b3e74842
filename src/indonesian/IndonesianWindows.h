#pragma once

namespace oriastra {

struct AppContext;

// Tells the window registry how to create the Indonesian windows.
void RegisterIndonesianWindows(AppContext& context);

}  // namespace oriastra
