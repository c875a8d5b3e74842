#pragma once
#include <array>
#include <optional>
#include <string_view>

namespace oriastra {

inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// Exact, case-sensitive lookup: "january" is not a month.
std::optional<int> MonthIndex(std::string_view name);

}  // namespace oriastra
