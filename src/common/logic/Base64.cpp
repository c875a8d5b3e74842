#include "common/logic/Base64.h"

#include <algorithm>
#include <cstdint>

namespace oriastra {

namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int ValueOf(char ch) {
    const auto at = kAlphabet.find(ch);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

}  // namespace

std::string EncodeBase64(std::string_view bytes) {
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t at = 0; at < bytes.size(); at += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - at);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            group = (group << 8U) | (k < count ? static_cast<unsigned char>(bytes[at + k]) : 0U);
        }
        for (std::size_t k = 0; k < 4; ++k) {
            text += k <= count ? kAlphabet[(group >> (18U - 6U * k)) & 0x3FU] : '=';
        }
    }
    return text;
}

std::optional<std::string> DecodeBase64(std::string_view text) {
    if (text.size() % 4 != 0) return std::nullopt;
    std::string bytes;
    for (std::size_t at = 0; at < text.size(); at += 4) {
        const bool last = at + 4 == text.size();
        std::size_t padding = 0;
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const char ch = text[at + k];
            // Padding only at the end of the last group, at most two.
            if (ch == '=' && last && k >= 2) {
                ++padding;
                group <<= 6U;
                continue;
            }
            const int value = ValueOf(ch);
            if (value < 0 || padding > 0) return std::nullopt;
            group = (group << 6U) | static_cast<std::uint32_t>(value);
        }
        // The bits under the padding must be zero, so every text has one spelling.
        if ((padding == 1 && (group & 0xFFU) != 0) || (padding == 2 && (group & 0xFFFFU) != 0)) {
            return std::nullopt;
        }
        for (std::size_t k = 0; k < 3 - padding; ++k) {
            bytes += static_cast<char>((group >> (16U - 8U * k)) & 0xFFU);
        }
    }
    return bytes;
}

}  // namespace oriastra
