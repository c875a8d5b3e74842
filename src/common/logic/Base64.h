#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace oriastra {

// Base64 with the standard alphabet and padding, no line breaks.
std::string EncodeBase64(std::string_view bytes);
// The bytes, or nothing when the text is not such base64 (another character, a wrong length
// or padding, bits left over).
std::optional<std::string> DecodeBase64(std::string_view text);

}  // namespace oriastra
