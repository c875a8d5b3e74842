#include "common/logic/TextUtil.h"

namespace oriastra {

namespace {
bool IsContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
}
}  // namespace

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::size_t CodePointCount(std::string_view utf8) {
    std::size_t count = 0;
    for (char byte : utf8) {
        if (!IsContinuation(byte)) ++count;
    }
    return count;
}

std::string_view LastCodePoints(std::string_view utf8, std::size_t count) {
    std::size_t start = utf8.size();
    while (count > 0 && start > 0) {
        --start;
        if (!IsContinuation(utf8[start])) --count;
    }
    return utf8.substr(start);
}

std::string ListInWords(const std::vector<std::string_view>& words, std::string_view last) {
    std::string list;
    for (std::size_t index = 0; index < words.size(); ++index) {
        if (index > 0) {
            list += index + 1 == words.size() ? " " + std::string(last) + " " : std::string(", ");
        }
        list += words[index];
    }
    return list;
}

}  // namespace oriastra
