#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "shell/windows/SingleCopyLock.h"

namespace oriastra {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kOtherUser = 65534;  // nobody

TEST(SingleCopyLock, SecondHolderIsRefusedUntilTheFirstEnds) {
    QTemporaryDir folder;
    const QString path = folder.filePath("kestrin-oriastra.lock");
    auto first = std::make_unique<SingleCopyLock>(path);
    ASSERT_TRUE(first->Acquire());
    EXPECT_TRUE(first->Held());
    EXPECT_EQ(fs::status(path.toStdString()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    SingleCopyLock second(path);
    EXPECT_FALSE(second.Acquire());
    first.reset();  // the system lets go with the descriptor, as when a copy is killed
    EXPECT_TRUE(second.Acquire());
}

TEST(SingleCopyLock, LockThatCannotBeMadeDoesNotStopTheProgram) {
    for (const QString& path : {QStringLiteral("/nonexistent-folder/kestrin-oriastra.lock"), QString()}) {
        SingleCopyLock lock(path);
        EXPECT_TRUE(lock.Acquire()) << path.toStdString();
        EXPECT_FALSE(lock.Held());
    }
}

// Places where another user could interfere: the program starts, takes no lock there, and
// creates nothing.
TEST(SingleCopyLock, NeverLocksWhereAnotherUserCouldInterfere) {
    const bool root = ::geteuid() == 0;
    struct Case {
        const char* name;
        bool needsRoot;  // to make a file or folder of another user
        std::function<fs::path(const fs::path& folder)> prepare;  // gives the lock path
    };
    const Case cases[] = {
        {"folder every user can write", false,
         [](const fs::path& folder) {
             fs::create_directory(folder / "shared");
             fs::permissions(folder / "shared", fs::perms::all);
             return folder / "shared" / "kestrin-oriastra.lock";
         }},
        {"planted link", false,
         [](const fs::path& folder) {
             fs::create_symlink(folder / "chosen-by-another", folder / "kestrin-oriastra.lock");
             return folder / "kestrin-oriastra.lock";
         }},
        {"folder of another user", true,
         [](const fs::path& folder) {
             fs::create_directory(folder / "theirs");
             ::chown((folder / "theirs").c_str(), kOtherUser, kOtherUser);
             return folder / "theirs" / "kestrin-oriastra.lock";
         }},
        {"lock file of another user", true,
         [](const fs::path& folder) {
             const fs::path path = folder / "kestrin-oriastra.lock";
             QFile(QString::fromStdString(path.string())).open(QIODevice::WriteOnly);
             ::chown(path.c_str(), kOtherUser, kOtherUser);
             return path;
         }},
    };
    for (const Case& c : cases) {
        if (c.needsRoot && !root) continue;
        SCOPED_TRACE(c.name);
        QTemporaryDir temporary;
        const fs::path folder = temporary.path().toStdString();
        const fs::path path = c.prepare(folder);
        const bool existed = fs::exists(fs::symlink_status(path));
        SingleCopyLock first(QString::fromStdString(path.string()));
        SingleCopyLock second(QString::fromStdString(path.string()));
        EXPECT_TRUE(first.Acquire());
        EXPECT_TRUE(second.Acquire());
        EXPECT_FALSE(first.Held());
        EXPECT_EQ(fs::exists(fs::symlink_status(path)), existed) << "nothing was created";
        EXPECT_FALSE(fs::exists(folder / "chosen-by-another"));
    }
}

// Runs DefaultPath with the given runtime and cache folders, as the desktop sets them.
class DefaultLockPath : public testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(false);
        for (const char* name : {"XDG_RUNTIME_DIR", "XDG_CACHE_HOME", "HOME"}) {
            saved_.emplace_back(name, qgetenv(name));
        }
        root_ = temporary_.path();
        home_ = root_ + "/home";
        QDir().mkpath(home_);
        qputenv("HOME", QFile::encodeName(home_));
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value.isNull()) {
                qunsetenv(name);
            } else {
                qputenv(name, value);
            }
        }
        QStandardPaths::setTestModeEnabled(true);
    }
    QString PathWith(const QString& runtime, const QString& cache) {
        if (runtime.isEmpty()) {
            qunsetenv("XDG_RUNTIME_DIR");
        } else {
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        }
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache));
        return SingleCopyLock::DefaultPath(QStringLiteral("kestrin-oriastra"));
    }
    QString Folder(const QString& name, fs::perms permissions) {
        const QString path = root_ + "/" + name;
        QDir().mkpath(path);
        fs::permissions(path.toStdString(), permissions);
        return path;
    }

    QTemporaryDir temporary_;
    QString root_;
    QString home_;

private:
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

TEST_F(DefaultLockPath, IsTheRuntimeFolderWhenPrivateElseAPrivateFolderInTheCache) {
    const QString privateRuntime = Folder("run", fs::perms::owner_all);
    const QString sharedRuntime = Folder("shared", fs::perms::all);
    const QString readableRuntime = Folder("readable", fs::perms::owner_all |
                                                           fs::perms::group_read |
                                                           fs::perms::others_read);
    const QString cache = root_ + "/cache";
    const QString inCache = cache + "/kestrin-oriastra/kestrin-oriastra.lock";
    EXPECT_EQ(PathWith(privateRuntime, cache), privateRuntime + "/kestrin-oriastra.lock");
    EXPECT_EQ(PathWith(sharedRuntime, cache), inCache);
    EXPECT_EQ(PathWith(readableRuntime, cache), inCache);
    EXPECT_EQ(PathWith("", cache), inCache);
    EXPECT_EQ(PathWith("relative/run", cache), inCache);
    EXPECT_EQ(fs::status((cache + "/kestrin-oriastra").toStdString()).permissions(),
              fs::perms::owner_all);
}

// A folder of the lock's name that another user could use, or a link someone put there, is
// passed over for one under the home folder's cache.
TEST_F(DefaultLockPath, PassesOverAFolderOthersCouldUseOrALink) {
    const QString inHome = home_ + "/.cache/kestrin-oriastra/kestrin-oriastra.lock";
    const QString elsewhere = Folder("elsewhere", fs::perms::owner_all);
    const struct {
        const char* name;
        std::function<void(const QString& folder)> plant;
    } rows[] = {
        {"writable by all", [](const QString& folder) {
             QDir().mkpath(folder);
             fs::permissions(folder.toStdString(), fs::perms::all);
         }},
        {"readable by others", [](const QString& folder) {
             QDir().mkpath(folder);
             fs::permissions(folder.toStdString(), fs::perms::owner_all | fs::perms::others_read |
                                                       fs::perms::others_exec);
         }},
        {"a link to a private folder", [&elsewhere](const QString& folder) {
             fs::create_directory_symlink(elsewhere.toStdString(), folder.toStdString());
         }},
    };
    int made = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString cache = root_ + "/shared-cache-" + QString::number(++made);
        QDir().mkpath(cache);
        row.plant(cache + "/kestrin-oriastra");
        EXPECT_EQ(PathWith("", cache), inHome);
        EXPECT_TRUE(QDir(elsewhere).isEmpty()) << "nothing is made through the link";
    }
}

TEST_F(DefaultLockPath, IsEmptyWhenNoPrivatePlaceCanBeHad) {
    QFile(root_ + "/file").open(QIODevice::WriteOnly);
    // The home folder's cache is taken by a file, so it cannot be had either.
    QFile(home_ + "/.cache").open(QIODevice::WriteOnly);
    EXPECT_EQ(PathWith("", root_ + "/file/cache"), QString()) << "a cache that cannot be made";
    const QString cache = root_ + "/cache";
    QDir().mkpath(cache + "/kestrin-oriastra");
    fs::permissions((cache + "/kestrin-oriastra").toStdString(), fs::perms::all);
    EXPECT_EQ(PathWith("", cache), QString()) << "a folder in the cache that others can write";
    EXPECT_TRUE(SingleCopyLock(QString()).Acquire());
}

}  // namespace
}  // namespace oriastra
