#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "CliRun.h"
#include "FifoGuard.h"
#include "common/logic/RecordFile.h"
#include "common/logic/RegularFile.h"

namespace oriastra {
namespace {

namespace fs = std::filesystem;

class RegularFileTest : public cli::CliFilesTest {};

TEST_F(RegularFileTest, SaysWhyAFileCannotBeRead) {
    std::ofstream(Path("plain.tib"), std::ios::binary) << "Bo\r\n";
    std::ofstream(Path("secret.tib"), std::ios::binary) << "Bo\r\n";
    fs::permissions(Path("secret.tib"), fs::perms::none);
    ASSERT_EQ(::mkfifo(Path("pipe.tib").c_str(), 0600), 0);
    fs::create_symlink(Path("pipe.tib"), Path("link.tib"));
    fs::create_directories(Path("folder.tib"));
    // Permission bits do not stop the superuser.
    const std::string secret = ::geteuid() == 0 ? "" : "Permission denied";
    const struct {
        std::string name;
        fs::path path;
        std::string problem;
    } cases[] = {
        {"Regular", Path("plain.tib"), ""},
        {"Missing", Path("none.tib"), "No such file or directory"},
        {"NoPermission", Path("secret.tib"), secret},
        {"Folder", Path("folder.tib"), "not a regular file"},
        {"Fifo", Path("pipe.tib"), "not a regular file"},
        {"LinkToAFifo", Path("link.tib"), "not a regular file"},
        {"EndlessDevice", "/dev/zero", "not a regular file"},
    };
    for (const auto& row : cases) {
        OpenedFile opened;
        EXPECT_TRUE(ReturnsWithoutAWriter(Path("pipe.tib"), [&] { opened = OpenRegularFile(row.path); }))
            << row.name << ": waited for a writer";
        EXPECT_EQ(opened.problem, row.problem) << row.name;
        EXPECT_EQ(opened.file.IsOpen(), row.problem.empty()) << row.name;
        // What the windows read: the file's lines, or empty ones when it cannot be opened.
        EXPECT_EQ(ReadRecordFile(opened.file, 1), ReadRecordFile(row.path, 1)) << row.name;
    }
    fs::permissions(Path("secret.tib"), fs::perms::owner_all);
}

}  // namespace
}  // namespace oriastra
