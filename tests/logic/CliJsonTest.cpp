#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "Json.h"

namespace oriastra::cli {
namespace {

TEST(CliJson, EveryControlCharacterIsEscaped) {
    const std::map<char, std::string> shortForms = {
        {'\n', "\\n"}, {'\r', "\\r"}, {'\t', "\\t"}, {'\b', "\\b"}, {'\f', "\\f"}};
    for (int code = 0; code < 0x20; ++code) {
        const char ch = static_cast<char>(code);
        char expected[8];
        std::snprintf(expected, sizeof expected, "\\u%04x", code);
        const std::string escape = shortForms.contains(ch) ? shortForms.at(ch) : expected;
        EXPECT_EQ(JsonString(std::string(1, ch)), "\"" + escape + "\"") << "code " << code;
    }
}

struct StringCase {
    std::string name;
    std::string text;
    std::string json;
    friend void PrintTo(const StringCase& row, std::ostream* os) { *os << row.name; }
};

class JsonStrings : public testing::TestWithParam<StringCase> {};

TEST_P(JsonStrings, AreEscapedAndValidUtf8) {
    EXPECT_EQ(JsonString(GetParam().text), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, JsonStrings,
    testing::Values(
        StringCase{"QuoteAndBackslash", "a\"b\\c", R"("a\"b\\c")"},
        StringCase{"SlashPasses", "a/b", R"("a/b")"},
        StringCase{"Delete", "\x7f", R"("\u007f")"},
        StringCase{"C1Controls", "\xC2\x80x\xC2\x9B\xC2\x9F", R"("\u0080x\u009b\u009f")"},
        StringCase{"NoBreakSpaceAndLatinPass", "\xC2\xA0\xC3\xA4", "\"\xC2\xA0\xC3\xA4\""},
        StringCase{"DeleteInsideALongPlainRun", "abcdefghijklm\x7fnopqrstuvwxyz", R"("abcdefghijklm\u007fnopqrstuvwxyz")"},
        StringCase{"C1InsideALongPlainRun", "abcdefgh\xC2\x85ijklmnop", R"("abcdefgh\u0085ijklmnop")"},
        StringCase{"CrLfJoint", "one\r\ntwo", R"("one\r\ntwo")"},
        StringCase{"ValidMultiByte", "\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80", "\"\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80\""},
        StringCase{"LoneContinuation", "a\x80z", "\"a\xEF\xBF\xBDz\""},
        StringCase{"TruncatedAtEnd", "a\xC3", "\"a\xEF\xBF\xBD\""},
        StringCase{"TruncatedThenAscii", "\xE2\x82" "A", "\"\xEF\xBF\xBD" "A\""},
        StringCase{"OverlongSlash", "\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
        StringCase{"OverlongThreeByte", "\xE0\x80\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
        StringCase{"Surrogate", "\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
        StringCase{"PastLastCodePoint", "\xF4\x90\x80\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
        StringCase{"LastCodePoint", "\xF4\x8F\xBF\xBF", "\"\xF4\x8F\xBF\xBF\""},
        StringCase{"ByteFF", "\xFF", "\"\xEF\xBF\xBD\""},
        StringCase{"NulInside", std::string("a\0b", 3), R"("a\u0000b")"}),
    [](const auto& info) { return info.param.name; });

// The plain-run scan reads eight bytes at a time: a character to escape is found at every
// position of such a word.
TEST(CliJson, EscapesAreFoundAtEveryPositionOfALongRun) {
    for (const std::string special : {"\x7f", "\xC2\x80", "\xC2\x9F", "\x1F", "\""}) {
        const std::string escaped = JsonString(special).substr(1, JsonString(special).size() - 2);
        for (std::size_t at = 0; at < 17; ++at) {
            std::string text(24, 'a');
            text.insert(at, special);
            std::string expected = "\"" + std::string(24, 'a') + "\"";
            expected.insert(at + 1, escaped);
            EXPECT_EQ(JsonString(text), expected) << "at " << at;
        }
    }
}

TEST(CliJson, WritesValuesInOrder) {
    const JsonObject object = {
        {"z", "text"},
        {"a", std::int64_t{-1302}},
        {"flags", JsonArray{true, false, nullptr}},
        {"nested", JsonObject{{"k\"ey", JsonArray{}}}},
        {"empty", JsonObject{}},
    };
    EXPECT_EQ(WriteJson(object),
              R"({"z":"text","a":-1302,"flags":[true,false,null],"nested":{"k\"ey":[]},"empty":{}})");
}

}  // namespace
}  // namespace oriastra::cli
