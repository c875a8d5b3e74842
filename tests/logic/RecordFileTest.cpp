#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "common/RecordFile.h"
#include "common/RecordText.h"

namespace oriastra {
namespace {

namespace fs = std::filesystem;

class RecordFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("oriastra-record-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, ignored);
        fs::remove_all(folder_, ignored);
    }
    fs::path Write(const std::string& name, const std::string& bytes) {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string Read(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }
    fs::path folder_;
};

std::string Encoded(const std::string& value) { return ToCodePage1252(EncodeRecordText(value)); }

TEST_F(RecordFileTest, WritesOneEncodedLinePerValueEndedByCrLf) {
    const fs::path path = folder_ / "ann.tib";
    ASSERT_TRUE(WriteRecordFile(path, {"abc", "1930"}));
    EXPECT_EQ(Read(path), "\xB6\xB7\xB8\r\n\x86\x8E\x88\x85\r\n");
    EXPECT_EQ(FilesInFolder(), 1U) << "no temporary file is left";
}

TEST_F(RecordFileTest, ReadsLinesAsWritten) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"crlf lines", Encoded("Ann") + "\r\n" + Encoded("Male") + "\r\n",
         {"Ann", "Male", ""}},
        {"lone lf ends a line", Encoded("Ann") + "\n" + Encoded("5"), {"Ann", "5", ""}},
        {"missing last break", Encoded("Ann"), {"Ann", "", ""}},
        {"empty file", "", {"", "", ""}},
        {"further lines ignored", "\xB6\r\n\xB7\r\n\xB8\r\n\xB9\r\n", {"a", "b", "c"}},
        {"empty middle line", "\xB6\r\n\r\n\xB8\r\n", {"a", "", "c"}},
        {"bytes below 85 dropped", std::string("\xB6\x00\x20\xB7\r\n", 5), {"ab", "", ""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadRecordFile(Write("case.tib", c.bytes), 3), c.expected) << c.name;
    }
}

TEST_F(RecordFileTest, UnreadableFileGivesEmptyLines) {
    EXPECT_EQ(ReadRecordFile(folder_ / "missing.tib", 5), std::vector<std::string>(5));
    EXPECT_EQ(ReadRecordFile(folder_, 2), std::vector<std::string>(2)) << "a folder";
}

TEST_F(RecordFileTest, HugeAndBinaryFilesAreReadInBoundedWork) {
    std::string huge(40U * 1024U * 1024U, '\xB6');  // one 40 MiB line, no breaks
    const fs::path hugePath = Write("huge.tib", huge);
    huge.clear();
    EXPECT_EQ(ReadRecordFile(hugePath, 5), std::vector<std::string>(5));

    std::mt19937 random(7);
    std::string binary(1U << 20U, '\0');
    for (char& byte : binary) byte = static_cast<char>(random());
    const auto lines = ReadRecordFile(Write("binary.tib", binary), 5);
    EXPECT_EQ(lines.size(), 5U);

    // A long first line is empty when decoded, and later lines are still found.
    const std::string longLine(40000, '\xB6');
    EXPECT_EQ(ReadRecordFile(Write("long.tib", longLine + "\r\n\xB7\r\n"), 2),
              (std::vector<std::string>{"", "b"}));
}

TEST_F(RecordFileTest, FailedSaveLeavesTheOldRecordUntouched) {
    const fs::path path = Write("kept.tib", "\xB6\r\n");
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    const bool canStillWrite = std::ofstream(folder_ / "probe").good();  // root ignores modes
    if (canStillWrite) GTEST_SKIP() << "this user can write into a read-only folder";
    EXPECT_FALSE(WriteRecordFile(path, {"new"}));
    fs::permissions(folder_, fs::perms::owner_all);
    EXPECT_EQ(Read(path), "\xB6\r\n");
    EXPECT_EQ(FilesInFolder(), 1U);
}

TEST_F(RecordFileTest, FailedSaveOverAFolderKeepsItAndLeavesNoTemporary) {
    const fs::path target = folder_ / "taken.tib";
    fs::create_directories(target / "inside");
    EXPECT_FALSE(WriteRecordFile(target, {"x"}));
    EXPECT_TRUE(fs::is_directory(target / "inside"));
    EXPECT_EQ(FilesInFolder(), 1U);
}

TEST_F(RecordFileTest, SaveReplacesTheWholeOldContent) {
    const fs::path path = Write("over.tib", std::string(500, '\xB6'));
    ASSERT_TRUE(WriteRecordFile(path, {"b"}));
    EXPECT_EQ(Read(path), "\xB7\r\n");
}

TEST(RecordExtension, IsTheLastThreeCharactersCaseSensitive) {
    struct Case {
        const char* path;
        bool accepted;
    };
    for (const Case c : {Case{"/home/a/ann.tib", true}, Case{"x.TIB", false},
                         Case{"tib", true}, Case{"ib", false}, Case{"notatib", true},
                         Case{"ann.tib ", false}, Case{"ann.bur", false}}) {
        EXPECT_EQ(HasRecordExtension(c.path, "tib"), c.accepted) << c.path;
    }
}

}  // namespace
}  // namespace oriastra
