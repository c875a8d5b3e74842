#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "Json.h"

namespace oriastra::fuzz {

// A strict reader of the JSON our writer produces (whole numbers only), to check that what it
// writes is valid and means what was given. Nothing when the text is not valid JSON.
class JsonReader {
public:
    static std::optional<cli::JsonValue> Read(std::string_view text) {
        JsonReader reader(text);
        auto value = reader.Value(0);
        if (!value || reader.at_ != text.size()) return std::nullopt;
        return value;
    }

private:
    explicit JsonReader(std::string_view text) : text_(text) {}

    bool Take(char expected) {
        if (at_ < text_.size() && text_[at_] == expected) {
            ++at_;
            return true;
        }
        return false;
    }
    bool TakeWord(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }

    std::optional<cli::JsonValue> Value(int depth) {
        if (depth > 64 || at_ >= text_.size()) return std::nullopt;
        const char first = text_[at_];
        if (TakeWord("null")) return cli::JsonValue(nullptr);
        if (TakeWord("true")) return cli::JsonValue(true);
        if (TakeWord("false")) return cli::JsonValue(false);
        if (first == '"') {
            auto text = String();
            if (!text) return std::nullopt;
            return cli::JsonValue(std::move(*text));
        }
        if (first == '[') return Array(depth);
        if (first == '{') return Object(depth);
        return Number();
    }

    std::optional<cli::JsonValue> Number() {
        const std::size_t start = at_;
        Take('-');
        const std::size_t digits = at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
        const std::size_t count = at_ - digits;
        if (count == 0 || count > 19 || (count > 1 && text_[digits] == '0')) return std::nullopt;
        return cli::JsonValue(static_cast<std::int64_t>(std::stoll(std::string(text_.substr(start, at_ - start)))));
    }

    std::optional<std::string> String() {
        if (!Take('"')) return std::nullopt;
        std::string out;
        while (at_ < text_.size()) {
            const char ch = text_[at_++];
            if (ch == '"') return out;
            // Controls (C0, DEL, C1) reach the output only as escapes.
            const auto byte = static_cast<unsigned char>(ch);
            if (byte < 0x20 || byte == 0x7F) return std::nullopt;
            if (byte == 0xC2 && at_ < text_.size() &&
                static_cast<unsigned char>(text_[at_]) <= 0x9F) {
                return std::nullopt;
            }
            if (ch != '\\') {
                out += ch;
                continue;
            }
            if (at_ >= text_.size()) return std::nullopt;
            switch (text_[at_++]) {
                case '"': out += '"'; break;
                case '\\': out += '\\'; break;
                case '/': out += '/'; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'u': {
                    // Our writer escapes only the controls this way: U+0000 to U+001F and
                    // U+007F to U+009F.
                    const std::string_view hex = text_.substr(at_, 4);
                    if (hex.size() != 4 || hex.substr(0, 2) != "00") return std::nullopt;
                    const int code = std::stoi(std::string(hex.substr(2)), nullptr, 16);
                    if (code >= 0x20 && (code < 0x7F || code > 0x9F)) return std::nullopt;
                    if (code >= 0x80) out += '\xC2';
                    out += static_cast<char>(code);
                    at_ += 4;
                    break;
                }
                default: return std::nullopt;
            }
        }
        return std::nullopt;
    }

    std::optional<cli::JsonValue> Array(int depth) {
        Take('[');
        cli::JsonArray items;
        if (Take(']')) return cli::JsonValue(std::move(items));
        do {
            auto item = Value(depth + 1);
            if (!item) return std::nullopt;
            items.push_back(std::move(*item));
        } while (Take(','));
        if (!Take(']')) return std::nullopt;
        return cli::JsonValue(std::move(items));
    }

    std::optional<cli::JsonValue> Object(int depth) {
        Take('{');
        cli::JsonObject members;
        if (Take('}')) return cli::JsonValue(std::move(members));
        do {
            auto key = String();
            if (!key || !Take(':')) return std::nullopt;
            auto value = Value(depth + 1);
            if (!value) return std::nullopt;
            members.push_back({std::move(*key), std::move(*value)});
        } while (Take(','));
        if (!Take('}')) return std::nullopt;
        return cli::JsonValue(std::move(members));
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace oriastra::fuzz
