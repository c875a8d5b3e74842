#pragma once

namespace oriastra {

struct AppContext;

// Tells the window registry how to create the Indonesian input, reading and report windows.
void RegisterIndonesianWindows(AppContext& context);

}  // namespace oriastra
