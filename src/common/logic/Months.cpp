#include "common/logic/Months.h"

namespace oriastra {

std::optional<int> MonthIndex(std::string_view name) {
    for (int i = 0; i < static_cast<int>(kMonthNames.size()); ++i) {
        if (kMonthNames[static_cast<std::size_t>(i)] == name) return i;
    }
    return std::nullopt;
}

}  // namespace oriastra
