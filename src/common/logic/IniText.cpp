#include "common/logic/IniText.h"

#include <vector>

namespace oriastra {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// "[Name]" gives Name; any other line nothing.
std::optional<std::string_view> SectionOf(std::string_view line) {
    line = Trimmed(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
    return line.substr(1, line.size() - 2);
}

// The value part of "key=value" when the line sets `key`.
std::optional<std::string_view> ValueFor(std::string_view line, std::string_view key) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos || Trimmed(line.substr(0, equals)) != key) {
        return std::nullopt;
    }
    return Trimmed(line.substr(equals + 1));
}

std::string Unquoted(std::string_view value) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') return std::string(value);
    value = value.substr(1, value.size() - 2);
    std::string text;
    for (std::size_t index = 0; index < value.size(); ++index) {
        if (value[index] == '\\' && index + 1 < value.size()) ++index;
        text += value[index];
    }
    return text;
}

// Quoted when a reader would otherwise trim, split or end the value early.
std::string Written(std::string_view value) {
    const bool plain = value.find_first_of(";,=\"\\#\r\n") == std::string_view::npos &&
                       Trimmed(value) == value;
    if (plain) return std::string(value);
    std::string text = "\"";
    for (char ch : value) {
        if (ch == '"' || ch == '\\') text += '\\';
        if (ch == '\n') {
            text += "\\n";
            continue;
        }
        text += ch;
    }
    return text + '"';
}

}  // namespace

std::optional<std::string> IniValue(std::string_view text, std::string_view section,
                                    std::string_view key) {
    bool inSection = false;
    for (std::string_view line : Lines(text)) {
        if (const auto name = SectionOf(line)) {
            inSection = *name == section;
        } else if (inSection) {
            if (const auto value = ValueFor(line, key)) return Unquoted(*value);
        }
    }
    return std::nullopt;
}

std::string WithIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value) {
    const std::string setting = std::string(key) + "=" + Written(value);
    std::vector<std::string_view> lines = Lines(text);
    std::string out;
    bool inSection = false;
    bool written = false;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const std::string_view line = lines[index];
        if (const auto name = SectionOf(line)) {
            // A section without the key takes it as its last line.
            if (inSection && !written) {
                out += setting + "\n";
                written = true;
            }
            inSection = *name == section;
        } else if (inSection && !written && ValueFor(line, key)) {
            out += setting + "\n";
            written = true;
            continue;
        }
        out += std::string(line) + "\n";
    }
    if (!written && inSection) {
        out += setting + "\n";
        written = true;
    }
    if (!written) {
        if (!out.empty()) out += "\n";
        out += "[" + std::string(section) + "]\n" + setting + "\n";
    }
    return out;
}

}  // namespace oriastra
