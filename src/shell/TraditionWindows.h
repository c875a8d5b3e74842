#pragma once
#include <array>

#include "common/Tradition.h"
#include "common/WindowId.h"

namespace oriastra {

struct AppContext;

// Choosing a tradition closes every tradition window in this order; the reading windows come
// again at the end because closing a report window can bring its reading window back.
inline constexpr std::array<WindowId, 19> kCloseOrder = {
    WindowId::AfricanDisplay,    WindowId::AfricanMain,       WindowId::AfricanSave,
    WindowId::ArabicDisplay,     WindowId::ArabicMain,        WindowId::BurmeseDisplay,
    WindowId::BurmeseMain,       WindowId::BurmeseSave,       WindowId::IndonesianDisplay,
    WindowId::IndonesianMain,    WindowId::IndonesianSave,    WindowId::TibetanDisplay,
    WindowId::TibetanMain,       WindowId::TibetanSave,       WindowId::AfricanDisplay,
    WindowId::ArabicDisplay,     WindowId::BurmeseDisplay,    WindowId::IndonesianDisplay,
    WindowId::TibetanDisplay};

WindowId InputWindowOf(Tradition tradition);

// Tells the registry how to create every tradition window.
void RegisterTraditionWindows(AppContext& context);

}  // namespace oriastra
