#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace oriastra::cli {

// Long texts a batch writes row after row (the tables' descriptions) as quoted JSON strings,
// escaped once a run. A text is found by its bytes, so what is written is always exactly what
// AppendJsonString writes for it. Short texts, and long ones once the cache is full, are escaped
// as they come: the cache never holds more than a small, fixed amount.
class JsonStringCache {
public:
    static constexpr std::size_t kShortest = 128;
    static constexpr std::size_t kMostBytes = std::size_t{1} << 20;

    void Append(std::string& out, std::string_view text);
    // The bytes of the texts and escapes held.
    std::size_t HeldBytes() const { return bytes_; }

private:
    // From the length and a few bytes at both ends and in the middle: the texts differ there
    // already, and hashing every byte would cost nearly what escaping them does. Equal hashes
    // are told apart by comparing the whole texts.
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const;
    };
    std::unordered_map<std::string, std::string, Hash, std::equal_to<>> quoted_;
    std::size_t bytes_ = 0;
};

}  // namespace oriastra::cli
