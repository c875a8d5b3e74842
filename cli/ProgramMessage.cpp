#include <ostream>

#include "Commands.h"

namespace oriastra::cli {

int ProgramMessage(std::ostream& err, std::string_view message) {
    err << message << '\n';
    return 1;
}

int NotAvailable(std::ostream& err, Tradition tradition) {
    err << "oriastra-cli: the " << TraditionKey(tradition)
        << " reading is not available in this build\n";
    return 2;
}

}  // namespace oriastra::cli
