#include <gtest/gtest.h>

#include "common/logic/RecordText.h"
#include "common/logic/TextUtil.h"

namespace oriastra {
namespace {

struct Example {
    const char* name;
    std::string plain;
    std::string encodedBytes;  // code page 1252 bytes of the encoded value
    std::string decoded;       // what reading it back gives
};

TEST(RecordText, Examples) {
    const std::vector<Example> examples = {
        {"abc shifts by 85", "abc", "\xB6\xB7\xB8", "abc"},
        {"year digits", "1930", "\x86\x8E\x88\x85", "1930"},
        {"empty stays empty", "", "", ""},
        {"e acute (233) is dropped", "Ren\xC3\xA9", "\xA7\xBA\xC3", "Ren"},
        {"sharp s (223) is dropped", "Stra\xC3\x9F" "e", "\xA8\xC9\xC7\xB6\xBA", "Strae"},
        {"code 170 is the last kept", "\xC2\xAA", "\xFF", "\xC2\xAA"},
        {"outside the code page counts as ?", "\xE4\xB8\xAD", "\x94", "?"},
        {"CR and LF become b and _", "a\r\nb", "\xB6" "b_" "\xB7", "a\r\nb"},
        {"euro sign (128) round-trips", "\xE2\x82\xAC", "\xD5", "\xE2\x82\xAC"},
    };
    for (const Example& example : examples) {
        const std::string encoded = EncodeRecordText(example.plain);
        EXPECT_EQ(ToCodePage1252(encoded), example.encodedBytes) << example.name;
        EXPECT_EQ(DecodeRecordText(encoded), example.decoded) << example.name;
    }
}

TEST(RecordText, EveryKeptCodeRoundTripsAndNoEncodedLineHoldsALineBreak) {
    for (int code = 0; code <= 255; ++code) {
        const std::string plain = FromCodePage1252(std::string(1, static_cast<char>(code)));
        const std::string encoded = EncodeRecordText(plain);
        const std::string bytes = ToCodePage1252(encoded);
        EXPECT_EQ(bytes.find_first_of("\r\n"), std::string::npos) << code;
        if (code <= 170) {
            EXPECT_EQ(DecodeRecordText(encoded), plain) << code;
        } else {
            EXPECT_TRUE(encoded.empty()) << code;
        }
    }
}

TEST(RecordText, DecodingDropsCodesBelow85) {
    const std::string line = FromCodePage1252(std::string("\xB6\x10\x54\xB7", 4));
    EXPECT_EQ(DecodeRecordText(line), "ab");
}

TEST(RecordText, EveryByteHasItsOwnCharacter) {
    for (int code = 0; code <= 255; ++code) {
        const std::string byte(1, static_cast<char>(code));
        EXPECT_EQ(ToCodePage1252(FromCodePage1252(byte)), byte) << code;
    }
}

TEST(RecordText, ValuesOver32767CharactersGiveTheEmptyText) {
    const std::string limit(32767, 'a');
    EXPECT_EQ(CodePointCount(EncodeRecordText(limit)), 32767U);
    EXPECT_EQ(EncodeRecordText(limit + "a"), "");
    EXPECT_EQ(DecodeRecordText(std::string(32768, '\xB6')), "");
    // Characters, not bytes: 20000 two-byte letters are within the limit.
    std::string wide;
    for (int i = 0; i < 20000; ++i) wide += "\xC2\xA9";
    EXPECT_EQ(DecodeRecordText(EncodeRecordText(wide)), wide);
}

TEST(RecordText, MalformedUtf8IsNeverTakenAsAnotherCharacter) {
    EXPECT_EQ(DecodeRecordText(EncodeRecordText(std::string("a\xFF" "b\xC3", 4))), "a?b?");
}

}  // namespace
}  // namespace oriastra
