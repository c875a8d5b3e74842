#pragma once
#include <tuple>
#include <vector>

#include "common/logic/Tradition.h"

namespace oriastra {

// Each tradition has up to three windows; at most one of each kind is loaded.
enum class WindowRole { Input, Reading, Report };

struct WindowId {
    Tradition tradition;
    WindowRole role = WindowRole::Input;
    friend bool operator==(const WindowId&, const WindowId&) = default;
    // No three-way comparison: the meta-object compiler cannot read <compare>.
    friend bool operator<(const WindowId& one, const WindowId& other) {
        return std::tie(one.tradition, one.role) < std::tie(other.tradition, other.role);
    }
};

constexpr WindowId InputOf(Tradition tradition) { return {tradition, WindowRole::Input}; }
constexpr WindowId ReadingOf(Tradition tradition) { return {tradition, WindowRole::Reading}; }
constexpr WindowId ReportOf(Tradition tradition) { return {tradition, WindowRole::Report}; }

// Choosing a tradition closes every tradition window in this order: per tradition its reading,
// input and report windows, then every reading window once more, because closing a report
// window brings its reading window back.
std::vector<WindowId> TraditionCloseOrder(const std::vector<Tradition>& traditions);

}  // namespace oriastra
