#include "common/logic/WindowId.h"

namespace oriastra {

std::vector<WindowId> TraditionCloseOrder() {
    std::vector<WindowId> order;
    for (Tradition tradition : kTraditions) {
        order.push_back(ReadingOf(tradition));
        order.push_back(InputOf(tradition));
        if (Describe(tradition).HasReport()) order.push_back(ReportOf(tradition));
    }
    for (Tradition tradition : kTraditions) order.push_back(ReadingOf(tradition));
    return order;
}

}  // namespace oriastra
