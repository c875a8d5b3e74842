#include "Json.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "common/logic/Utf8Repair.h"


namespace oriastra::cli {

namespace {

// Bytes that stand in a JSON string as they are: printable ASCII but '"' and '\\'. DEL is a
// control character and is escaped like the others.
constexpr bool PlainAscii(unsigned char byte) {
    return byte >= 0x20U && byte < 0x7FU && byte != '"' && byte != '\\';
}

// The end of the run of plain ASCII bytes from `start`, eight bytes at a time where it can:
// long reading texts are nearly all plain.
std::size_t PlainRunEnd(std::string_view text, std::size_t start) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    // A byte of x is zero where (x - ones) & ~x has its high bit set (no false alarms for bytes
    // below 0x80, which is all that reaches these tests).
    auto hasZero = [](std::uint64_t x) { return ((x - kOnes) & ~x & kHighs) != 0; };
    auto hasBelow = [](std::uint64_t x, std::uint8_t n) {
        return ((x - kOnes * n) & ~x & kHighs) != 0;
    };
    std::size_t end = start;
    while (end + 8 <= text.size()) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + end, 8);
        if ((word & kHighs) != 0 || hasBelow(word, 0x20) || hasZero(word ^ (kOnes * '"')) ||
            hasZero(word ^ (kOnes * '\\')) || hasZero(word ^ (kOnes * 0x7FU))) {
            break;
        }
        end += 8;
    }
    while (end < text.size() && PlainAscii(static_cast<unsigned char>(text[end]))) ++end;
    return end;
}

void AppendEscapedByte(std::string& out, unsigned char byte) {
    constexpr std::array<char, 16> hex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                          '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    switch (byte) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            out += "\\u00";
            out += hex[byte >> 4U];
            out += hex[byte & 0x0FU];
    }
}

// The text as a JSON string's content: controls, '"' and '\\' escaped, well-formed UTF-8 kept as
// it is; from the first ill-formed sequence on, the rest is repaired (U+FFFD) first.
void AppendEscapedText(std::string& out, std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t plain = PlainRunEnd(text, at);
        out.append(text.data() + at, plain - at);
        at = plain;
        if (at == text.size()) return;
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte < 0x80U) {
            AppendEscapedByte(out, byte);
            ++at;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(text, at);
        if (length == 0) {
            // Everything before `at` was well formed, so repairing the rest repairs it all.
            AppendEscapedText(out, RepairUtf8(text.substr(at)));
            return;
        }
        if (length == 2 && byte == 0xC2U && static_cast<unsigned char>(text[at + 1]) <= 0x9FU) {
            // U+0080 to U+009F, the C1 controls: the escape holds the second byte's value.
            AppendEscapedByte(out, static_cast<unsigned char>(text[at + 1]));
        } else {
            out.append(text.data() + at, length);
        }
        at += length;
    }
}

void Write(std::string& out, const JsonValue& value);

struct Writer {
    std::string& out;
    void operator()(std::nullptr_t) const { out += "null"; }
    void operator()(bool flag) const { out += flag ? "true" : "false"; }
    void operator()(std::int64_t number) const { out += std::to_string(number); }
    void operator()(const std::string& text) const { AppendJsonString(out, text); }
    void operator()(const JsonArray& array) const {
        out += '[';
        for (std::size_t i = 0; i < array.size(); ++i) {
            if (i > 0) out += ',';
            Write(out, array[i]);
        }
        out += ']';
    }
    void operator()(const JsonObject& object) const {
        out += '{';
        for (std::size_t i = 0; i < object.size(); ++i) {
            if (i > 0) out += ',';
            AppendJsonString(out, object[i].key);
            out += ':';
            Write(out, object[i].value);
        }
        out += '}';
    }
};

void Write(std::string& out, const JsonValue& value) { value.Visit(Writer{out}); }

}  // namespace

JsonValue::JsonValue() : data(nullptr) {}
JsonValue::JsonValue(std::nullptr_t) : data(nullptr) {}
JsonValue::JsonValue(bool value) : data(value) {}
JsonValue::JsonValue(int value) : data(static_cast<std::int64_t>(value)) {}
JsonValue::JsonValue(std::int64_t value) : data(value) {}
JsonValue::JsonValue(std::string value) : data(std::move(value)) {}
JsonValue::JsonValue(std::string_view value) : data(std::string(value)) {}
JsonValue::JsonValue(const char* value) : data(std::string(value)) {}
JsonValue::JsonValue(JsonArray value) : data(JsonBox<JsonArray>(std::move(value))) {}
JsonValue::JsonValue(JsonObject value) : data(JsonBox<JsonObject>(std::move(value))) {}

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    AppendEscapedText(out, text);
    out += '"';
}

std::string JsonString(std::string_view text) {
    std::string out;
    AppendJsonString(out, text);
    return out;
}

void AppendMemberKey(std::string& out, std::string_view key) {
    out += ",\"";
    out += key;
    out += "\":";
}

std::string WriteJson(const JsonValue& value) {
    std::string out;
    Write(out, value);
    return out;
}

}  // namespace oriastra::cli
