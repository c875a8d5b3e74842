#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "CliRun.h"
#include "common/logic/Base64.h"
#include "common/logic/RecordFile.h"
#include "common/logic/RecordLayout.h"
#include "common/logic/RecordText.h"
#include "registry/logic/TraditionRegistry.h"

namespace oriastra {
namespace {

TEST(Base64, EncodesAndDecodesTheStandardVectors) {
    const std::pair<std::string, std::string> rows[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
        {std::string("\xFF\xFE\x00", 3), "//4A"},
    };
    for (const auto& [bytes, text] : rows) {
        EXPECT_EQ(EncodeBase64(bytes), text);
        EXPECT_EQ(DecodeBase64(text), bytes) << text;
    }
    std::mt19937 random(3);
    for (int length = 0; length < 64; ++length) {
        std::string bytes(static_cast<std::size_t>(length), '\0');
        for (char& byte : bytes) byte = static_cast<char>(random());
        EXPECT_EQ(DecodeBase64(EncodeBase64(bytes)), bytes);
    }
}

TEST(Base64, RefusesWhatIsNotBase64) {
    for (const char* text : {"Zg=", "Zg", "Zh==", "Zm9=", "Z===", "====", "Zg==Zg==", "Zm9v!A==",
                             "Zm 9", "Zm9v\n", "=Zm9"}) {
        EXPECT_EQ(DecodeBase64(text), std::nullopt) << text;
    }
}

// Names people write in their own scripts, and ones the name line holds as they are.
struct NameCase {
    const char* what;
    const char* name;
    bool ownLine;
};
const NameCase kNames[] = {
    {"Latin", "Tenzin Dolma", false},
    {"Latin with codes up to 170", "O\xE2\x80\x99" "Brien \xE2\x80\x93 \xC2\xA3 \xC2\xA9", false},
    {"Latin above 170", "Zo\xC3\xAB \xC3\x85ngstr\xC3\xB6m", true},
    {"Myanmar", "\xE1\x80\x99\xE1\x80\xB1\xE1\x80\xAC\xE1\x80\x84\xE1\x80\xBA", true},
    {"Arabic", "\xD9\x84\xD9\x8A\xD9\x84\xD9\x89", true},
    {"Tibetan", "\xE0\xBD\x96\xE0\xBD\xA6\xE0\xBE\x9F\xE0\xBD\x93", true},
    {"Javanese", "\xEA\xA6\xB1\xEA\xA6\xBF\xEA\xA6\xB6", true},
};

TEST(RecordName, ANameTheLineCannotHoldGetsItsOwnLineAndReadsBackExactly) {
    for (Tradition tradition : AllTraditions()) {
        const RecordLayout& layout = tradition->record;
        if (!layout.nameLine) continue;
        for (const NameCase& row : kNames) {
            SCOPED_TRACE(std::string(tradition->key) + ", " + row.what);
            const BirthDetails details{row.name, 1990, "May", 1, "Female"};
            const std::vector<std::string> values = RecordValues(layout, details, "False");
            EXPECT_EQ(values.size(), layout.lines + (row.ownLine ? 1 : 0));
            EXPECT_EQ(RecordLineHoldsExactly(row.name), !row.ownLine);

            // As the file holds them: encoded, and decoded again by a reader.
            std::vector<std::string> read;
            for (const std::string& value : values) {
                read.push_back(DecodeRecordText(
                    FromCodePage1252(ToCodePage1252(EncodeRecordText(value)))));
            }
            EXPECT_EQ(ReadRecordEntries(layout, read).panel.name, row.name);
            // A reader of the tradition's lines only finds the name line as it always was.
            read.resize(layout.lines);
            EXPECT_EQ(ReadRecordEntries(layout, read).panel.name,
                      DecodeRecordText(FromCodePage1252(ToCodePage1252(EncodeRecordText(row.name)))));
        }
    }
}

TEST(RecordName, AnOwnLineThatIsNotOneLeavesTheNameLine) {
    const RecordLayout& layout = (*TraditionFromKey("indonesian"))->record;
    for (const char* line : {"", "UTF8:***", "utf8:w6s=", "UTF8:/w==", "UTF8:w6s", "UTF7:w6s=",
                             " UTF8:w6s="}) {
        EXPECT_EQ(ReadRecordEntries(layout, {"Zo", "1", "May", "1990", line}).panel.name, "Zo")
            << line;
    }
    // "w6s=" is "ë": well-formed, so it is taken.
    EXPECT_EQ(ReadRecordEntries(layout, {"Zo", "1", "May", "1990", "UTF8:w6s="}).panel.name,
              "\xC3\xAB");
}

class RecordNameCli : public cli::CliFilesTest {};

// The command line saves and opens such names as the windows do; a name the line holds gives
// the bytes of earlier releases.
TEST_F(RecordNameCli, SaveAndOpenKeepTheNameInAnyScript) {
    for (const NameCase& row : kNames) {
        SCOPED_TRACE(row.what);
        const std::string path = Path("person.bur");
        const cli::Outcome saved = cli::Invoke({"save", path, "burmese", "--name", row.name,
                                                "--day", "3", "--month", "May", "--year", "1990"});
        ASSERT_EQ(saved.status, 0) << saved.err;
        std::ifstream file(path, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        if (!row.ownLine) {
            EXPECT_EQ(bytes, RecordFileBytes({row.name, "3", "May", "1990", ""}));
        }
        const cli::Outcome opened = cli::Invoke({"open", path, "--json"});
        ASSERT_EQ(opened.status, 0) << opened.err;
        EXPECT_NE(opened.out.find(std::string("\"name\":\"") + row.name + "\""), std::string::npos)
            << opened.out;
    }
}

}  // namespace
}  // namespace oriastra
