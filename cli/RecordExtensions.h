#pragma once
#include <optional>
#include <string_view>

#include "common/Tradition.h"

namespace oriastra::cli {

// The record file extension of each tradition: "tib", "bur", "jav", "afa", "num".
std::string_view RecordExtension(Tradition tradition);

// The tradition whose extension ends the path (letter case counts), or nothing.
std::optional<Tradition> TraditionOfRecord(std::string_view path);

}  // namespace oriastra::cli
