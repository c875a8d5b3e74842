#pragma once
#include <string>
#include <string_view>

namespace oriastra::cli {

// The text with every ill-formed UTF-8 sequence (stray or missing continuation bytes, overlong
// forms, surrogates, code points past U+10FFFF) replaced by U+FFFD, one per maximal bad prefix.
std::string RepairUtf8(std::string_view text);

}  // namespace oriastra::cli
