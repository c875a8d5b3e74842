#pragma once
#include <optional>
#include <span>
#include <string_view>

#include "common/logic/Tradition.h"

namespace oriastra {

// Every tradition of the program, in the order the command line lists them.
std::span<const Tradition> AllTraditions();

std::optional<Tradition> TraditionFromKey(std::string_view key);
// The tradition whose record extension ends the path (letter case counts), or nothing.
std::optional<Tradition> TraditionOfRecord(std::string_view path);

// The program's texts that name its traditions together, each in its own order.
struct TraditionsInProse {
    std::string_view welcome;      // the welcome panel's introduction
    std::string_view about;        // the About window
    std::string_view programHelp;  // the desktop program's --help, after its usage line
};
const TraditionsInProse& ProseNamingTraditions();

}  // namespace oriastra
