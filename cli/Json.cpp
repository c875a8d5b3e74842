#include "Json.h"

#include <array>

#include "Utf8Repair.h"

namespace oriastra::cli {

namespace {

void AppendEscaped(std::string& out, std::string_view text) {
    constexpr std::array<char, 16> hex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                          '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        switch (ch) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            default:
                if (byte < 0x20U) {
                    out += "\\u00";
                    out += hex[byte >> 4U];
                    out += hex[byte & 0x0FU];
                } else {
                    out += ch;
                }
        }
    }
}

void Write(std::string& out, const JsonValue& value);

struct Writer {
    std::string& out;
    void operator()(std::nullptr_t) const { out += "null"; }
    void operator()(bool flag) const { out += flag ? "true" : "false"; }
    void operator()(std::int64_t number) const { out += std::to_string(number); }
    void operator()(const std::string& text) const { out += JsonString(text); }
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
            out += JsonString(object[i].key);
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

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    AppendEscaped(out, RepairUtf8(text));
    out += '"';
    return out;
}

std::string WriteJson(const JsonValue& value) {
    std::string out;
    Write(out, value);
    return out;
}

}  // namespace oriastra::cli
