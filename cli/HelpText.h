#pragma once
#include <string_view>

namespace oriastra::cli {

// The text `--help` prints.
std::string_view HelpText();

}  // namespace oriastra::cli
