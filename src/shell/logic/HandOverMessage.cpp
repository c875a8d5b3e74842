#include "shell/logic/HandOverMessage.h"

namespace oriastra {
namespace {

constexpr std::string_view kHeading = "kestrin-oriastra open 1\n";

bool Usable(std::string_view path) {
    return path.starts_with('/') && path.find('\0') == std::string_view::npos;
}

}  // namespace

std::optional<std::string> EncodeHandOver(const std::vector<std::string>& paths) {
    std::string message(kHeading);
    for (const std::string& path : paths) {
        if (!Usable(path)) return std::nullopt;
        message += path;
        message += '\0';
        if (message.size() > kHandOverLimit) return std::nullopt;
    }
    return message;
}

std::optional<std::vector<std::string>> DecodeHandOver(std::string_view message) {
    if (message.size() > kHandOverLimit || !message.starts_with(kHeading)) return std::nullopt;
    message.remove_prefix(kHeading.size());
    std::vector<std::string> paths;
    while (!message.empty()) {
        const std::size_t end = message.find('\0');
        if (end == std::string_view::npos) return std::nullopt;  // cut short
        const std::string_view path = message.substr(0, end);
        if (!Usable(path)) return std::nullopt;
        paths.emplace_back(path);
        message.remove_prefix(end + 1);
    }
    return paths;
}

}  // namespace oriastra
