#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace oriastra {

// Removes leading and trailing spaces only (not tabs), as the entry fields are trimmed.
std::string_view TrimSpaces(std::string_view text);

// Number of Unicode code points in (valid) UTF-8 text.
std::size_t CodePointCount(std::string_view utf8);

// Last `count` code points of UTF-8 text (all of it when shorter).
std::string_view LastCodePoints(std::string_view utf8, std::size_t count);

// Words as a sentence lists them: "a, b or c" with `last` "or"; one word alone as it is.
std::string ListInWords(const std::vector<std::string_view>& words, std::string_view last);

}  // namespace oriastra
