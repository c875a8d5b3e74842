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
        savedRuntime_ = qgetenv("XDG_RUNTIME_DIR");
        savedCache_ = qgetenv("XDG_CACHE_HOME");
        home_ = temporary_.path();
    }
    void TearDown() override {
        qputenv("XDG_RUNTIME_DIR", savedRuntime_);
        if (savedCache_.isNull()) {
            qunsetenv("XDG_CACHE_HOME");
        } else {
            qputenv("XDG_CACHE_HOME", savedCache_);
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
        const QString path = home_ + "/" + name;
        QDir().mkpath(path);
        fs::permissions(path.toStdString(), permissions);
        return path;
    }

    QTemporaryDir temporary_;
    QString home_;

private:
    QByteArray savedRuntime_;
    QByteArray savedCache_;
};

TEST_F(DefaultLockPath, IsTheRuntimeFolderWhenPrivateElseAPrivateFolderInTheCache) {
    const QString privateRuntime = Folder("run", fs::perms::owner_all);
    const QString sharedRuntime = Folder("shared", fs::perms::all);
    const QString cache = home_ + "/cache";
    const QString inCache = cache + "/kestrin-oriastra/kestrin-oriastra.lock";
    EXPECT_EQ(PathWith(privateRuntime, cache), privateRuntime + "/kestrin-oriastra.lock");
    EXPECT_EQ(PathWith(sharedRuntime, cache), inCache);
    EXPECT_EQ(PathWith("", cache), inCache);
    EXPECT_EQ(PathWith("relative/run", cache), inCache);
    EXPECT_EQ(fs::status((cache + "/kestrin-oriastra").toStdString()).permissions(),
              fs::perms::owner_all);
}

TEST_F(DefaultLockPath, IsEmptyWhenNoPrivatePlaceCanBeHad) {
    QFile(home_ + "/file").open(QIODevice::WriteOnly);
    EXPECT_EQ(PathWith("", home_ + "/file/cache"), QString()) << "a cache that cannot be made";
    const QString cache = home_ + "/cache";
    QDir().mkpath(cache + "/kestrin-oriastra");
    fs::permissions((cache + "/kestrin-oriastra").toStdString(), fs::perms::all);
    EXPECT_EQ(PathWith("", cache), QString()) << "a folder in the cache that others can write";
    EXPECT_TRUE(SingleCopyLock(QString()).Acquire());
}

}  // namespace
}  // namespace oriastra
