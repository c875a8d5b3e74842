#include <gtest/gtest.h>

#include "VisibleText.h"

namespace oriastra::cli {
namespace {

struct VisibleCase {
    std::string name;
    std::string text;
    std::string keepingBreaks;
    std::string escapingBreaks;
    friend void PrintTo(const VisibleCase& row, std::ostream* os) { *os << row.name; }
};

class VisibleTexts : public testing::TestWithParam<VisibleCase> {};

TEST_P(VisibleTexts, ShowControlCharactersAsEscapes) {
    EXPECT_EQ(VisibleText(GetParam().text, LineBreaks::Keep), GetParam().keepingBreaks);
    EXPECT_EQ(VisibleText(GetParam().text, LineBreaks::Escape), GetParam().escapingBreaks);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, VisibleTexts,
    testing::Values(
        VisibleCase{"PlainTextUnchanged", "Ann Lee, \xC3\xA4\xE2\x82\xAC \\x", "Ann Lee, \xC3\xA4\xE2\x82\xAC \\x", "Ann Lee, \xC3\xA4\xE2\x82\xAC \\x"},
        VisibleCase{"EscapeSequence", "a\x1B[31mb", "a\\x1B[31mb", "a\\x1B[31mb"},
        VisibleCase{"NulBellTabDelete", std::string("\0\a\t\x7F", 4), "\\x00\\x07\\t\\x7F", "\\x00\\x07\\t\\x7F"},
        VisibleCase{"LineBreaks", "a\nb\r\nc", "a\nb\r\nc", "a\\nb\\r\\nc"},
        VisibleCase{"LoneCarriageReturn", "abc\rX", "abc\\rX", "abc\\rX"},
        VisibleCase{"OtherControlsKeepTheirCode", "\x0B\x0C\x1F", "\\x0B\\x0C\\x1F", "\\x0B\\x0C\\x1F"},
        VisibleCase{"C1Controls", "\xC2\x80\xC2\x9B" "2J\xC2\xA0", "\\x80\\x9B" "2J\xC2\xA0", "\\x80\\x9B" "2J\xC2\xA0"},
        VisibleCase{"RawC1ByteIsIllFormed", "\x9B" "2J", "\xEF\xBF\xBD" "2J", "\xEF\xBF\xBD" "2J"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace oriastra::cli
