#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "Json.h"
#include "JsonStringCache.h"

namespace oriastra::cli {
namespace {

// Whatever the cache holds, it writes exactly what escaping writes: texts that start at the same
// place but end apart, a text as a list item and as a member's value, two members with one value,
// ill-formed and short texts.
TEST(JsonStringCache, WritesExactlyWhatEscapingWritesEveryTime) {
    const std::string base(300, 'a');
    const std::vector<std::string> texts = {"short \"one\"", base,          base + "\n",
                                            "\xFF" + base,   base + "\xC3", ""};
    const std::string_view whole = texts[2];
    std::vector<std::string_view> views(texts.begin(), texts.end());
    views.push_back(whole.substr(0, 100));
    views.push_back(whole.substr(0, 299));
    const std::vector<std::string_view> keys = {"sign", "signText"};

    JsonStringCache cache;
    for (int round = 0; round < 3; ++round) {
        for (const std::string_view text : views) {
            std::string out = "x";
            cache.Append(out, text);
            EXPECT_EQ(out, "x" + JsonString(text)) << "round " << round << ": " << text.substr(0, 50);
            for (const std::string_view key : keys) {
                out = "x";
                cache.AppendMember(out, key, text);
                EXPECT_EQ(out, "x,\"" + std::string(key) + "\":" + JsonString(text))
                    << "round " << round << ": " << key;
            }
        }
    }
    EXPECT_EQ(cache.HeldTexts(), views.size() * (1 + keys.size()));
}

// A batch of ever new texts (long or many) cannot make the cache grow past its bounds, and what
// it writes past them is still right.
TEST(JsonStringCache, KeepsToItsBounds) {
    for (const std::size_t length : {std::size_t{2}, std::size_t{500}}) {
        std::vector<std::string> texts;
        for (int i = 0; i < 5000; ++i) {
            texts.push_back(std::to_string(i) + std::string(length, 'n'));
        }
        JsonStringCache cache;
        for (int round = 0; round < 2; ++round) {
            std::string out;
            std::size_t written = 0;
            for (std::size_t i = 0; i < texts.size(); ++i) {
                cache.Append(out, texts[i]);
                written += texts[i].size() + 2;
                if (i % 1000 == 999) {
                    ASSERT_EQ(out.size(), written);
                    EXPECT_EQ(out.substr(out.size() - texts[i].size() - 2), JsonString(texts[i]));
                }
            }
        }
        EXPECT_LE(cache.HeldBytes(), JsonStringCache::kMostBytes);
        EXPECT_LE(cache.HeldTexts(), JsonStringCache::kMostTexts);
        EXPECT_GT(cache.HeldTexts(), 0U);
    }
}

}  // namespace
}  // namespace oriastra::cli
