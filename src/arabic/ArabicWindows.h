#pragma once

namespace oriastra {

struct AppContext;

// Tells the window registry how to create the Arabic windows.
void RegisterArabicWindows(AppContext& context);

}  // namespace oriastra
