#include "JsonStringCache.h"

#include <cstdint>
#include <cstring>

#include "Json.h"

namespace oriastra::cli {

std::size_t JsonStringCache::Hash::operator()(std::string_view text) const {
    constexpr std::size_t kWord = sizeof(std::uint64_t);
    if (text.size() < 4 * kWord) return std::hash<std::string_view>{}(text);
    const auto word = [&](std::size_t at) {
        std::uint64_t value = 0;
        std::memcpy(&value, text.data() + at, kWord);
        return value;
    };
    // Each word mixed in by an odd multiplier, so that neither order nor position cancels out.
    std::uint64_t hash = text.size() * 0x9E3779B97F4A7C15ULL;
    for (const std::size_t at : {std::size_t{0}, kWord, text.size() / 2, text.size() - 2 * kWord,
                                 text.size() - kWord}) {
        hash = (hash ^ word(at)) * 0xFF51AFD7ED558CCDULL;
        hash ^= hash >> 32;
    }
    return static_cast<std::size_t>(hash);
}

void JsonStringCache::Append(std::string& out, std::string_view text) {
    if (text.size() < kShortest) return AppendJsonString(out, text);
    if (const auto found = quoted_.find(text); found != quoted_.end()) {
        out += found->second;
        return;
    }
    std::string quoted;
    AppendJsonString(quoted, text);
    out += quoted;
    const std::size_t size = text.size() + quoted.size();
    if (bytes_ + size > kMostBytes) return;
    bytes_ += size;
    quoted_.emplace(std::string(text), std::move(quoted));
}

}  // namespace oriastra::cli
