#include "common/logic/SelectorOrder.h"

#include <algorithm>
#include <limits>
#include <set>

namespace oriastra {

std::vector<Tradition> InIndexOrder(std::span<const Tradition> traditions) {
    std::vector<Tradition> order(traditions.begin(), traditions.end());
    std::ranges::sort(order, {}, [](Tradition tradition) { return tradition->selector.index; });
    return order;
}

std::vector<Tradition> InScreenOrder(std::span<const Tradition> traditions) {
    std::vector<Tradition> order = InIndexOrder(traditions);
    // A hidden tradition sorts after every place; the sort keeps index order among equals.
    std::ranges::stable_sort(order, {}, [](Tradition tradition) {
        return tradition->selector.place.value_or(std::numeric_limits<int>::max());
    });
    return order;
}

bool SelectorsFitTogether(std::span<const Tradition> traditions) {
    std::set<int> indices;
    std::set<int> places;
    for (Tradition tradition : traditions) {
        const SelectorEntry& entry = tradition->selector;
        if (entry.index < 0 || entry.index >= static_cast<int>(traditions.size())) return false;
        if (!indices.insert(entry.index).second) return false;
        if (entry.place && !places.insert(*entry.place).second) return false;
    }
    return true;
}

}  // namespace oriastra
