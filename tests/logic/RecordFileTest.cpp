#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <set>

#include "FifoGuard.h"
#include "common/logic/RecordFile.h"
#include "common/logic/RecordText.h"

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
    std::size_t FilesInFolder() const { return FilesIn(folder_).size(); }
    static std::set<fs::path> FilesIn(const fs::path& folder) {
        std::set<fs::path> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path());
        return names;
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

TEST_F(RecordFileTest, AnythingButARegularFileGivesEmptyLinesWithoutWaiting) {
    const fs::path fifo = folder_ / "pipe.tib";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink(fifo, folder_ / "link.tib");
    struct Case {
        const char* name;
        fs::path path;
    };
    for (const Case& c : {Case{"missing", folder_ / "missing.tib"}, Case{"folder", folder_},
                          Case{"FIFO", fifo}, Case{"link to a FIFO", folder_ / "link.tib"},
                          Case{"endless device", "/dev/zero"}}) {
        std::vector<std::string> lines;
        EXPECT_TRUE(ReturnsWithoutAWriter(fifo, [&] { lines = ReadRecordFile(c.path, 5); }))
            << c.name << ": waited for a writer";
        EXPECT_EQ(lines, std::vector<std::string>(5)) << c.name;
    }
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

    // A long first line is empty when decoded, and later lines are still found, whatever its
    // length.
    for (const std::size_t length : {std::size_t{40000}, std::size_t{9} << 20U}) {
        const std::string longLine(length, '\xB6');
        EXPECT_EQ(ReadRecordFile(Write("long.num", longLine + "\r\n\xB7\r\n\xB8\r\n"), 3),
                  (std::vector<std::string>{"", "b", "c"}))
            << length;
    }
}

// Files may grow to `bytes` only while it lives, as on a full disk; the signal that would end
// the process is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    sighandler_t previousHandler_{};
};

TEST_F(RecordFileTest, RefusedOrFailedSavesLeaveTheTargetAsItWas) {
    const std::string old = "\xB6\r\n";
    struct Case {
        const char* name;
        std::function<fs::path()> prepare;  // the path to save to
        std::string problem;
        bool diskFull = false;
    };
    const std::vector<Case> cases = {
        {"read-only record",
         [&] {
             const fs::path path = Write("kept.tib", old);
             fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
             return path;
         },
         "the file is read-only"},
        {"read-only folder",
         [&] {
             fs::create_directory(folder_ / "locked");
             const fs::path path = Write("locked/kept.tib", old);
             fs::permissions(folder_ / "locked", fs::perms::owner_read | fs::perms::owner_exec);
             return path;
         },
         "the folder is read-only"},
        {"folder in the way",
         [&] {
             fs::create_directories(folder_ / "taken.tib" / "inside");
             return folder_ / "taken.tib";
         },
         "it is a folder"},
        {"FIFO in the way",
         [&] {
             const fs::path path = folder_ / "pipe.tib";
             ::mkfifo(path.c_str(), 0600);
             return path;
         },
         "it is not a regular file"},
        {"missing folder", [&] { return folder_ / "gone" / "new.tib"; },
         "No such file or directory"},
        {"disk full", [&] { return Write("full.tib", old); }, "File too large", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = c.prepare();
        const fs::path parent = path.parent_path();
        const bool existed = fs::is_regular_file(path);
        const bool hasFolder = fs::exists(parent);
        const auto before = hasFolder ? FilesIn(parent) : std::set<fs::path>{};
        SaveResult saved;
        {
            std::optional<FileSizeLimit> full;
            if (c.diskFull) full.emplace(1);
            saved = WriteRecordFile(path, {"a much longer record than before"});
        }
        EXPECT_FALSE(saved);
        EXPECT_EQ(saved.problem, c.problem);
        if (existed) {
            EXPECT_EQ(Read(path), old);
        }
        if (hasFolder) {
            EXPECT_EQ(FilesIn(parent), before) << "no temporary is left";
        }
        std::error_code ignored;
        fs::permissions(parent, fs::perms::owner_all, ignored);
    }
    EXPECT_TRUE(fs::is_directory(folder_ / "taken.tib" / "inside"));
}

TEST_F(RecordFileTest, SaveKeepsThePermissionBitsOfTheRecord) {
    using fs::perms;
    for (const perms mode : {perms::owner_read | perms::owner_write,
                             perms::owner_read | perms::owner_write | perms::group_read,
                             perms::owner_all | perms::group_read | perms::group_write}) {
        const fs::path path = Write("private.tib", "\xB6\r\n");
        fs::permissions(path, mode);
        ASSERT_TRUE(WriteRecordFile(path, {"b"}));
        EXPECT_EQ(fs::status(path).permissions(), mode);
        EXPECT_EQ(Read(path), "\xB7\r\n");
    }
}

TEST_F(RecordFileTest, SaveThroughALinkReplacesWhatItPointsTo) {
    fs::create_directory(folder_ / "real");
    fs::create_directory(folder_ / "links");
    struct Case {
        const char* name;
        fs::path link;
        fs::path linkText;  // as stored in the link
        fs::path target;    // where the record must end up
        bool targetExists;
    };
    const std::vector<Case> cases = {
        {"absolute", folder_ / "links/a.tib", folder_ / "real/a.tib", folder_ / "real/a.tib", true},
        {"relative", folder_ / "links/b.tib", "../real/b.tib", folder_ / "real/b.tib", true},
        {"dangling", folder_ / "links/c.tib", "../real/c.tib", folder_ / "real/c.tib", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.targetExists) Write(fs::relative(c.target, folder_).string(), "\xB6\r\n");
        fs::create_symlink(c.linkText, c.link);
        ASSERT_TRUE(WriteRecordFile(c.link, {"b"}));
        EXPECT_TRUE(fs::is_symlink(c.link)) << "the link stays a link";
        EXPECT_EQ(Read(c.target), "\xB7\r\n");
    }
    fs::create_symlink("second.tib", folder_ / "links/first.tib");
    fs::create_symlink("../real/d.tib", folder_ / "links/second.tib");
    ASSERT_TRUE(WriteRecordFile(folder_ / "links/first.tib", {"b"}));
    EXPECT_EQ(Read(folder_ / "real/d.tib"), "\xB7\r\n") << "a chain of links";
    EXPECT_EQ(FilesIn(folder_ / "links").size(), 5U) << "no temporary is left";

    fs::create_symlink("loop.tib", folder_ / "loop.tib");
    EXPECT_EQ(WriteRecordFile(folder_ / "loop.tib", {"b"}).problem,
              "Too many levels of symbolic links");
}

TEST_F(RecordFileTest, EveryNameTheFolderTakesCanBeSaved) {
    const std::string longest = std::string(251, 'n') + ".tib";  // 255 bytes, the usual limit
    ASSERT_TRUE(WriteRecordFile(folder_ / longest, {"b"}));
    EXPECT_EQ(Read(folder_ / longest), "\xB7\r\n");
    EXPECT_EQ(FilesInFolder(), 1U);
    EXPECT_EQ(WriteRecordFile(folder_ / ("n" + longest), {"b"}).problem, "File name too long");
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
