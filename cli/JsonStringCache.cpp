#include "JsonStringCache.h"

#include "Json.h"

namespace oriastra::cli {

namespace {

// Writes the piece itself: the member's key, if any, and the quoted text.
void WritePiece(std::string& out, std::string_view key, std::string_view text) {
    if (key.data() != nullptr) AppendMemberKey(out, key);
    AppendJsonString(out, text);
}

std::size_t SlotOf(const char* key, const char* text, std::size_t size) {
    // Addresses are aligned and sizes small: mixed so that the low bits differ between texts.
    std::uint64_t hash = reinterpret_cast<std::uintptr_t>(text) ^
                         (reinterpret_cast<std::uintptr_t>(key) << 7U) ^
                         (std::uint64_t{size} << 40U);
    hash *= 0x9E3779B97F4A7C15ULL;
    return static_cast<std::size_t>(hash >> 56U);  // the top 8 bits: kSlots is 256
}

}  // namespace

void JsonStringCache::AppendPiece(std::string& out, std::string_view key, std::string_view text) {
    static_assert(kSlots == 256, "SlotOf keeps eight bits of the hash");
    if (!slots_) slots_ = std::make_unique<std::array<Slot, kSlots>>();
    std::size_t at = SlotOf(key.data(), text.data(), text.size());
    for (;; at = (at + 1) % kSlots) {
        const Slot& slot = (*slots_)[at];
        if (slot.size == 0) break;
        if (slot.key == key.data() && slot.keySize == key.size() && slot.text == text.data() &&
            slot.textSize == text.size()) {
            out.append(held_, slot.offset, slot.size);
            return;
        }
    }
    const std::size_t start = out.size();
    WritePiece(out, key, text);
    const std::size_t size = out.size() - start;
    if (texts_ == kMostTexts || held_.size() + size > kMostBytes) return;
    const auto offset = static_cast<std::uint32_t>(held_.size());
    (*slots_)[at] = Slot{key.data(), key.size(), text.data(), text.size(), offset,
                         static_cast<std::uint32_t>(size)};
    held_.append(out, start, size);
    ++texts_;
}

}  // namespace oriastra::cli
