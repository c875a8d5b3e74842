#pragma once

namespace oriastra {

// Every tradition window; at most one of each kind is loaded.
enum class WindowId {
    AfricanDisplay, AfricanMain, AfricanSave,
    ArabicDisplay, ArabicMain,
    BurmeseDisplay, BurmeseMain, BurmeseSave,
    IndonesianDisplay, IndonesianMain, IndonesianSave,
    TibetanDisplay, TibetanMain, TibetanSave,
};

}  // namespace oriastra
