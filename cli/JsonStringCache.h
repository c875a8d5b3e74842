#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace oriastra::cli {

// The program's own texts (its captions and tables) that a batch writes row after row, as JSON,
// escaped once a run and copied after that. Such a text lasts as long as the program and never
// changes, so it is found by where it lies and how long it is, without reading its bytes; what is
// written is always what escaping writes. Once the cache holds its most, further texts are escaped
// as they come: it never holds more than a small, fixed amount.
class JsonStringCache {
public:
    static constexpr std::size_t kMostBytes = std::size_t{1} << 20;
    static constexpr std::size_t kSlots = 256;
    // Kept a quarter free, so that a search always ends soon at an empty slot.
    static constexpr std::size_t kMostTexts = kSlots / 4 * 3;

    // `text` as a quoted JSON string. It must be one of the program's own texts, or outlive the
    // cache unchanged.
    void Append(std::string& out, std::string_view text) { AppendPiece(out, {}, text); }
    // `,"key":` and then `text` as Append writes it. The key is one of the program's own names,
    // letters only, and is written as it is.
    void AppendMember(std::string& out, std::string_view key, std::string_view text) {
        AppendPiece(out, key, text);
    }

    std::size_t HeldBytes() const { return held_.size(); }
    std::size_t HeldTexts() const { return texts_; }

private:
    struct Slot {
        const char* key = nullptr;
        std::size_t keySize = 0;
        const char* text = nullptr;
        std::size_t textSize = 0;
        std::uint32_t offset = 0;  // the piece in held_
        std::uint32_t size = 0;    // 0: the slot is empty (a piece always has its quotes)
    };
    void AppendPiece(std::string& out, std::string_view key, std::string_view text);

    std::unique_ptr<std::array<Slot, kSlots>> slots_;
    std::string held_;
    std::size_t texts_ = 0;
};

}  // namespace oriastra::cli
