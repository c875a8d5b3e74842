#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace oriastra::cli {

struct JsonValue;
struct JsonMember;
using JsonArray = std::vector<JsonValue>;
// Members keep the order they were added in, so output is stable and readable.
using JsonObject = std::vector<JsonMember>;

struct JsonValue {
    std::variant<std::nullptr_t, bool, std::int64_t, std::string, JsonArray, JsonObject> data;

    JsonValue() : data(nullptr) {}
    JsonValue(std::nullptr_t) : data(nullptr) {}
    JsonValue(bool value) : data(value) {}
    JsonValue(int value) : data(static_cast<std::int64_t>(value)) {}
    JsonValue(std::int64_t value) : data(value) {}
    JsonValue(std::string value) : data(std::move(value)) {}
    JsonValue(std::string_view value) : data(std::string(value)) {}
    JsonValue(const char* value) : data(std::string(value)) {}
    JsonValue(JsonArray value) : data(std::move(value)) {}
    JsonValue(JsonObject value) : data(std::move(value)) {}
};

struct JsonMember {
    std::string key;
    JsonValue value;
};

// A quoted JSON string. Invalid UTF-8 becomes U+FFFD, so the output is always valid UTF-8.
std::string JsonString(std::string_view text);

// Compact JSON on one line, without a line break at the end.
std::string WriteJson(const JsonValue& value);

}  // namespace oriastra::cli
