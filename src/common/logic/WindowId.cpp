#include "common/logic/WindowId.h"

namespace oriastra {

std::vector<WindowId> TraditionCloseOrder(const std::vector<Tradition>& traditions) {
    std::vector<WindowId> order;
    for (Tradition tradition : traditions) {
        order.push_back(ReadingOf(tradition));
        order.push_back(InputOf(tradition));
        if (Describe(tradition).HasReport()) order.push_back(ReportOf(tradition));
    }
    for (Tradition tradition : traditions) order.push_back(ReadingOf(tradition));
    return order;
}

}  // namespace oriastra
