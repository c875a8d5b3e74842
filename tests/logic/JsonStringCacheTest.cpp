#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Json.h"
#include "JsonStringCache.h"

namespace oriastra::cli {
namespace {

// Whatever the cache holds, it writes exactly what escaping the text writes: texts that differ
// only where its hash does not look, texts of the same length, ill-formed ones, short ones.
TEST(JsonStringCache, WritesExactlyTheEscapedTextEveryTime) {
    const std::string base(300, 'a');
    std::vector<std::string> texts = {"short \"one\"", base, base + "\n", "\xFF" + base,
                                      base + "\xC3", std::string(JsonStringCache::kShortest, 'q')};
    // The same length and ends, one byte apart where the hash does not sample.
    for (std::size_t at : {std::size_t{40}, std::size_t{100}, std::size_t{200}}) {
        std::string near = base;
        near[at] = '"';
        texts.push_back(near);
    }
    JsonStringCache cache;
    for (int round = 0; round < 3; ++round) {
        for (const std::string& text : texts) {
            std::string out = "x";
            cache.Append(out, text);
            EXPECT_EQ(out, "x" + JsonString(text)) << "round " << round << ": " << text.substr(0, 50);
        }
    }
}

// A batch of ever new long names cannot make the cache grow past its bound, and what it writes
// past the bound is still right.
TEST(JsonStringCache, KeepsToItsBound) {
    JsonStringCache cache;
    std::string out;
    std::size_t written = 0;
    for (int i = 0; i < 5000; ++i) {
        const std::string text = std::to_string(i) + std::string(500, 'n');
        cache.Append(out, text);
        written += text.size() + 2;
        if (i % 1000 == 0) {
            ASSERT_EQ(out.size(), written);
            EXPECT_EQ(out.substr(out.size() - text.size() - 2), JsonString(text));
        }
    }
    EXPECT_LE(cache.HeldBytes(), JsonStringCache::kMostBytes);
    EXPECT_GT(cache.HeldBytes(), JsonStringCache::kMostBytes / 2);
}

}  // namespace
}  // namespace oriastra::cli
