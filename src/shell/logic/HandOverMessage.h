#pragma once
// What a second copy of the desktop program sends the running one: the record files it was
// asked to open. Paths are bytes as the system gives them; only a NUL cannot occur in one.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace oriastra {

// Larger messages are refused unread: the running copy never holds more than this for a sender.
inline constexpr std::size_t kHandOverLimit = std::size_t{1} << 20;

// A first line naming the message, then each path ended by a NUL. Nothing when a path is empty,
// relative (the running copy has a working folder of its own) or holds a NUL, or when the
// message would pass the limit.
std::optional<std::string> EncodeHandOver(const std::vector<std::string>& paths);

// The paths of a whole message, or nothing when it is not one.
std::optional<std::vector<std::string>> DecodeHandOver(std::string_view message);

// What the running copy answers once it has taken a whole message.
inline constexpr std::string_view kHandOverTaken = "taken\n";

}  // namespace oriastra
