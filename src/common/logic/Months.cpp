#include "common/logic/Months.h"

#include <array>
#include <cstdint>

namespace oriastra {

namespace {

// Every lookup of a birth date names its month, several times a row in a batch: the first and
// third letters and the length place each month name in a slot of its own, and one compare
// confirms it.
constexpr std::size_t kSlots = 32;

constexpr std::size_t SlotOf(std::string_view name) {
    return (static_cast<unsigned char>(name[0]) + 13U * static_cast<unsigned char>(name[2]) +
            name.size()) %
           kSlots;
}

constexpr std::array<std::int8_t, kSlots> kMonthOfSlot = [] {
    std::array<std::int8_t, kSlots> months{};
    months.fill(-1);
    for (std::size_t month = 0; month < kMonthNames.size(); ++month) {
        std::int8_t& slot = months[SlotOf(kMonthNames[month])];
        // Two names in one slot would stop the build here.
        if (slot != -1) throw "two month names share a slot";
        slot = static_cast<std::int8_t>(month);
    }
    return months;
}();

}  // namespace

std::optional<int> MonthIndex(std::string_view name) {
    if (name.size() < 3) return std::nullopt;
    const int month = kMonthOfSlot[SlotOf(name)];
    if (month < 0 || kMonthNames[static_cast<std::size_t>(month)] != name) return std::nullopt;
    return month;
}

}  // namespace oriastra
