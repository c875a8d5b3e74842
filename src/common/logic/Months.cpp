#include "common/logic/Months.h"

namespace oriastra {

std::optional<int> MonthIndex(std::string_view name) {
    for (int i = 0; i < static_cast<int>(kMonthNames.size()); ++i) {
        // Lengths and first letters tell most names apart without a full compare.
        const std::string_view month = kMonthNames[static_cast<std::size_t>(i)];
        if (month.size() == name.size() && month.front() == name.front() && month == name) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace oriastra
