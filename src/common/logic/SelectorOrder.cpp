#include "common/logic/SelectorOrder.h"

#include <algorithm>
#include <limits>

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

}  // namespace oriastra
