#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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
                              S_ISDIR(info.st_mode), static_cast<long long>(info.st_size)});
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

}  // namespace
}  // namespace oriastra
