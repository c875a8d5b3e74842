#include "shell/windows/SingleCopyLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/logic/FileDescriptor.h"
#include "common/logic/PrivateFolder.h"
#include "shell/logic/HandOverSocket.h"

namespace oriastra {

namespace {

std::filesystem::path Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

SingleCopyLock::SingleCopyLock(QString lockPath) : path_(std::move(lockPath)) {}

SingleCopyLock::~SingleCopyLock() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

bool SingleCopyLock::Acquire() {
    if (descriptor_ >= 0 || path_.isEmpty()) return true;
    const QFileInfo lockFile(path_);
    const FileDescriptor folder = OpenPrivateFolder(Native(lockFile.path()));
    if (!folder.IsOpen()) return true;
    struct stat info {};
    FileDescriptor file(::openat(folder.Get(), QFile::encodeName(lockFile.fileName()).constData(),
                                 O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
    if (!file.IsOpen() || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_uid != ::geteuid()) {
        return true;
    }
    if (::flock(file.Get(), LOCK_EX | LOCK_NB) != 0) return false;
    descriptor_ = file.Release();
    return true;
}

std::filesystem::path SingleCopyLock::HandOverSocket() const {
    return path_.isEmpty() ? std::filesystem::path() : HandOverSocketBeside(Native(path_));
}

QString SingleCopyLock::DefaultPath(const QString& programName) {
    const QString lockName = programName + QStringLiteral(".lock");
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && IsPrivateFolder(Native(runtime))) {
        return QDir(runtime).filePath(lockName);
    }
    // A folder of its own in the cache folder the desktop names, else in the one under the home
    // folder: the first could lie in a place others share.
    QStringList caches = {QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)};
    if (QDir::isAbsolutePath(QDir::homePath())) caches << QDir::home().filePath(".cache");
    for (const QString& cache : caches) {
        if (cache.isEmpty() || !QDir().mkpath(cache)) continue;
        const QString folder = QDir(cache).filePath(programName);
        if (MakePrivateFolder(Native(folder))) return QDir(folder).filePath(lockName);
    }
    return {};
}

}  // namespace oriastra
