#pragma once
#include <string>
#include <string_view>

namespace oriastra {

// The text with every ill-formed UTF-8 sequence (stray or missing continuation bytes, overlong
// forms, surrogates, code points past U+10FFFF) replaced by U+FFFD, one per maximal bad prefix.
std::string RepairUtf8(std::string_view text);

// The length of the well-formed UTF-8 sequence that starts at text[at], or 0 when it is
// ill-formed or cut off.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);

// Whether the whole text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

}  // namespace oriastra
