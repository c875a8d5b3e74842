#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace oriastra {

// The settings file's text, as the desktop's settings files are written: "[Section]" lines,
// then "Key=value" lines; a value in double quotes may hold \" and \\ and keeps its spaces.

// The value of `key` in `[section]`, or nothing when the file has none.
std::optional<std::string> IniValue(std::string_view text, std::string_view section,
                                    std::string_view key);

// The text with `key` in `[section]` set to `value`, the section added at the end when missing;
// every other line stays as it stands.
std::string WithIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value);

}  // namespace oriastra
