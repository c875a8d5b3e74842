#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>

#include "FifoGuard.h"
#include "common/logic/IniText.h"
#include "common/logic/SettingsFile.h"

namespace oriastra {
namespace {

namespace fs = std::filesystem;

// Texts as the desktop's settings files hold them, among them ones an earlier version wrote.
TEST(IniText, ReadsTheValueOfItsSectionOnly) {
    const struct {
        const char* text;
        std::optional<std::string> expected;
    } rows[] = {
        {"[Settings]\nDuration=12/9/26\n", "12/9/26"},
        {"[Settings]\r\nDuration = 2026-12-09 \r\n", "2026-12-09"},
        {"[General]\nDuration=no\n[Settings]\nOther=1\nDuration=yes\n", "yes"},
        {"[Settings]\nDuration=\"a;b,c \\\"d\\\" =e\\\\f\"\n", "a;b,c \"d\" =e\\f"},
        {"[Settings]\nDuration=\" lead\"\n", " lead"},
        {"[Settings]\nDuration=\xE2\x80\xA0\xE2\x80\xA1\n", "\xE2\x80\xA0\xE2\x80\xA1"},
        {"[Settings]\nDuration=\n", ""},
        {"[Other]\nDuration=x\n", std::nullopt},
        {"Duration=x\n", std::nullopt},
        {"[Settings]\nDurations=x\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(IniValue(row.text, "Settings", "Duration"), row.expected) << row.text;
    }
}

TEST(IniText, SetsTheValueAndKeepsEveryOtherLine) {
    const struct {
        const char* before;
        const char* value;
        const char* after;
    } rows[] = {
        {"", "12/9/26", "[Settings]\nDuration=12/9/26\n"},
        {"[Settings]\nDuration=old\n", "new", "[Settings]\nDuration=new\n"},
        {"[Settings]\nA=1\nDuration=old\nB=2\n[Next]\nC=3\n", "new",
         "[Settings]\nA=1\nDuration=new\nB=2\n[Next]\nC=3\n"},
        {"[Settings]\nA=1\n[Next]\nDuration=keep\n", "new",
         "[Settings]\nA=1\nDuration=new\n[Next]\nDuration=keep\n"},
        {"[Other]\nA=1\n", "new", "[Other]\nA=1\n\n[Settings]\nDuration=new\n"},
        {"", "a;b \"c\"", "[Settings]\nDuration=\"a;b \\\"c\\\"\"\n"},
        {"", " lead", "[Settings]\nDuration=\" lead\"\n"},
    };
    for (const auto& row : rows) {
        const std::string after = WithIniValue(row.before, "Settings", "Duration", row.value);
        EXPECT_EQ(after, row.after) << row.before;
        EXPECT_EQ(IniValue(after, "Settings", "Duration"), row.value) << "reads back";
    }
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("oriastra-settings-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    fs::path folder_;
};

TEST_F(SettingsFileTest, KeepsAValueForTheNextRunAndTheOtherSettingsWithIt) {
    const fs::path path = folder_ / "config" / "kestrin-oriastra" / "kestrin-oriastra.conf";
    {
        SettingsFile settings(path);
        EXPECT_EQ(settings.Value("Settings", "Duration"), "");
        EXPECT_TRUE(settings.SetValue("Settings", "Duration", "12/9/26"));
    }
    EXPECT_EQ(SettingsFile(path).Value("Settings", "Duration"), "12/9/26");
    std::ofstream(path, std::ios::app) << "[Window]\nWidth=800\n";
    EXPECT_TRUE(SettingsFile(path).SetValue("Settings", "Duration", "13/9/26"));
    std::ifstream file(path);
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(text, "[Settings]\nDuration=13/9/26\n[Window]\nWidth=800\n");
}

// Start-up reads the settings: it must never wait on them, read without a bound, or write
// through them into anything but a regular file.
TEST_F(SettingsFileTest, NoFileButARegularOneIsReadOrWrittenAndStartUpNeverWaits) {
    const fs::path fifo = folder_ / "fifo.conf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink(fifo, folder_ / "link.conf");
    fs::create_directory(folder_ / "folder.conf");
    const fs::path sparse = folder_ / "sparse.conf";
    {
        std::ofstream(sparse) << "[Settings]\nDuration=12/9/26\n";
        ASSERT_EQ(::truncate(sparse.c_str(), off_t{1} << 30), 0);  // 1 GiB, holding no disk
    }
    const fs::path large = folder_ / "large.conf";
    std::ofstream(large) << "[Settings]\nDuration=12/9/26\n"
                         << std::string(SettingsFile::kMostBytes, 'x');
    // A device of our own: only where this user may make one.
    const fs::path device = folder_ / "null.conf";
    const bool hasDevice = ::mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;

    const struct {
        const char* name;
        fs::path path;
        bool replaceable;  // a regular file the value may replace
    } rows[] = {
        {"FIFO", fifo, false},
        {"link to a FIFO", folder_ / "link.conf", false},
        {"folder", folder_ / "folder.conf", false},
        {"sparse 1 GiB", sparse, true},
        {"one byte too large", large, true},
        {"device", device, false},
    };
    for (const auto& row : rows) {
        if (row.path == device && !hasDevice) {
            std::printf("skipped the device: this user may not make one\n");
            continue;
        }
        SCOPED_TRACE(row.name);
        struct stat before {};
        ASSERT_EQ(::lstat(row.path.c_str(), &before), 0);
        SettingsFile settings(row.path);
        std::string value = "unread";
        EXPECT_TRUE(ReturnsWithoutAWriter(fifo, [&] { value = settings.Value("Settings", "Duration"); }));
        EXPECT_EQ(value, "");
        bool written = true;
        EXPECT_TRUE(ReturnsWithoutAWriter(
            fifo, [&] { written = settings.SetValue("Settings", "Duration", "12/9/26"); }));
        EXPECT_EQ(written, row.replaceable);
        EXPECT_EQ(settings.Value("Settings", "Duration"), "12/9/26") << "kept for this run";
        struct stat after {};
        ASSERT_EQ(::lstat(row.path.c_str(), &after), 0);
        if (!row.replaceable) {
            EXPECT_EQ(after.st_mode, before.st_mode);
            EXPECT_EQ(after.st_ino, before.st_ino) << "left as it was";
        } else {
            EXPECT_EQ(SettingsFile(row.path).Value("Settings", "Duration"), "12/9/26");
        }
    }
}

}  // namespace
}  // namespace oriastra
