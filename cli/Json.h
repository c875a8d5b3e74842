#pragma once
#include <cstdint>
#include <memory>
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

// Holds an array or object by pointer with value semantics. A variant needs complete types, and
// JsonValue and JsonMember are not complete where the variant is declared.
template <typename T>
class JsonBox {
public:
    explicit JsonBox(T value) : held_(std::make_unique<T>(std::move(value))) {}
    JsonBox(const JsonBox& other) : held_(std::make_unique<T>(*other.held_)) {}
    JsonBox(JsonBox&&) noexcept = default;
    JsonBox& operator=(const JsonBox& other) {
        if (this != &other) held_ = std::make_unique<T>(*other.held_);
        return *this;
    }
    JsonBox& operator=(JsonBox&&) noexcept = default;
    ~JsonBox() = default;

    const T& operator*() const { return *held_; }

private:
    std::unique_ptr<T> held_;
};

struct JsonValue {
    std::variant<std::nullptr_t, bool, std::int64_t, std::string, JsonBox<JsonArray>,
                 JsonBox<JsonObject>>
        data;

    // Out of line: JsonMember must be complete for the last two, and GCC 12 sees a string moved
    // out of an inlined variant as possibly uninitialised.
    JsonValue();
    JsonValue(std::nullptr_t);
    JsonValue(bool value);
    JsonValue(int value);
    JsonValue(std::int64_t value);
    JsonValue(std::string value);
    JsonValue(std::string_view value);
    JsonValue(const char* value);
    JsonValue(JsonArray value);
    JsonValue(JsonObject value);

    // Calls `visitor` with the held value; arrays and objects come as JsonArray and JsonObject.
    template <typename Visitor>
    decltype(auto) Visit(Visitor&& visitor) const {
        return std::visit(
            [&](const auto& held) -> decltype(auto) {
                if constexpr (requires { *held; }) {
                    return visitor(*held);
                } else {
                    return visitor(held);
                }
            },
            data);
    }
};

struct JsonMember {
    std::string key;
    JsonValue value;
};

// A quoted JSON string. Invalid UTF-8 becomes U+FFFD, so the output is always valid UTF-8.
std::string JsonString(std::string_view text);
// The same, added to the end of `out`.
void AppendJsonString(std::string& out, std::string_view text);

// `,"key":`, for a member after the first. The key is one of the program's own names, letters
// only, and is written as it is.
void AppendMemberKey(std::string& out, std::string_view key);

// Compact JSON on one line, without a line break at the end.
std::string WriteJson(const JsonValue& value);

}  // namespace oriastra::cli
