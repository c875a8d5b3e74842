#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "common/logic/FileReplace.h"

// What reached the disk, and when: this program's fsync stands in front of the system's, so the
// test sees every call the save makes.
namespace {

struct SyncedFile {
    std::filesystem::path path;
    bool folder = false;
    long long size = 0;
    mode_t mode = 0;
};

std::vector<SyncedFile>* recording = nullptr;

}  // namespace

extern "C" int fsync(int descriptor) {
    if (recording != nullptr) {
        struct stat info {};
        ::fstat(descriptor, &info);
        std::error_code error;
        recording->push_back({std::filesystem::read_symlink(
                                  "/proc/self/fd/" + std::to_string(descriptor), error),
                              S_ISDIR(info.st_mode), static_cast<long long>(info.st_size),
                              info.st_mode & 07777});
    }
    using Fsync = int (*)(int);
    static const auto system = reinterpret_cast<Fsync>(::dlsym(RTLD_NEXT, "fsync"));
    return system(descriptor);
}

namespace oriastra {
namespace {

namespace fs = std::filesystem;

TEST(FileReplace, TheDataReachesTheDiskBeforeTheRenameAndTheFolderAfterIt) {
    const fs::path folder = fs::temp_directory_path() /
                            ("oriastra-sync-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    const fs::path target = folder / "ann.tib";
    std::ofstream(target) << "old";

    std::vector<SyncedFile> synced;
    recording = &synced;
    const SaveResult saved = ReplaceFileContents(target, "the new record");
    recording = nullptr;
    ASSERT_TRUE(saved) << saved.problem;

    ASSERT_EQ(synced.size(), 2U);
    EXPECT_FALSE(synced[0].folder);
    EXPECT_EQ(synced[0].path.parent_path(), fs::canonical(folder));
    EXPECT_NE(synced[0].path, fs::canonical(target)) << "synced before it replaced the record";
    EXPECT_EQ(synced[0].size, 14) << "with all of the data";
    EXPECT_TRUE(synced[1].folder);
    EXPECT_EQ(synced[1].path, fs::canonical(folder));
    fs::remove_all(folder);
}

// Another user who watches the folder must never read a private record through the temporary
// file: it is open to its owner only until its data is on the disk, and only then takes the
// record's own mode.
TEST(FileReplace, TheTemporaryFileIsPrivateUntilItsDataIsOnTheDisk) {
    const mode_t mask = ::umask(022);
    const fs::path folder = fs::temp_directory_path() /
                            ("oriastra-private-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    const struct {
        const char* name;
        std::optional<mode_t> before;  // nothing: a new file
        mode_t after;
    } rows[] = {{"private.tib", 0600, 0600}, {"shared.tib", 0644, 0644},
                {"open.tib", 0666, 0666}, {"new.tib", std::nullopt, 0644}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path target = folder / row.name;
        if (row.before) {
            std::ofstream(target) << "old";
            ::chmod(target.c_str(), *row.before);
        }
        std::vector<SyncedFile> synced;
        recording = &synced;
        const SaveResult saved = ReplaceFileContents(target, "a private record");
        recording = nullptr;
        ASSERT_TRUE(saved) << saved.problem;
        ASSERT_FALSE(synced.empty());
        EXPECT_EQ(synced[0].mode, 0600U) << "with the data written, before the rename";
        struct stat info {};
        ASSERT_EQ(::stat(target.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, row.after);
    }
    fs::remove_all(folder);
    ::umask(mask);
}

}  // namespace
}  // namespace oriastra
