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

namespace oriastra {

namespace {

// A folder that no other user can put, rename or remove files in.
bool IsPrivateFolder(const struct stat& info) {
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

bool IsPrivateFolder(const QString& folder) {
    struct stat info {};
    return !folder.isEmpty() && ::stat(QFile::encodeName(folder).constData(), &info) == 0 &&
           IsPrivateFolder(info);
}

}  // namespace

SingleCopyLock::SingleCopyLock(QString lockPath) : path_(std::move(lockPath)) {}

SingleCopyLock::~SingleCopyLock() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

bool SingleCopyLock::Acquire() {
    if (descriptor_ >= 0 || path_.isEmpty()) return true;
    const QFileInfo lockFile(path_);
    // The folder is checked on the open handle, so it cannot be swapped after the check.
    const FileDescriptor folder(::open(QFile::encodeName(lockFile.path()).constData(),
                                       O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat info {};
    if (!folder.IsOpen() || ::fstat(folder.Get(), &info) != 0 || !IsPrivateFolder(info)) {
        return true;
    }
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

QString SingleCopyLock::DefaultPath(const QString& programName) {
    const QString lockName = programName + QStringLiteral(".lock");
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && IsPrivateFolder(runtime)) {
        return QDir(runtime).filePath(lockName);
    }
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache)) return {};
    const QString folder = QDir(cache).filePath(programName);
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    if (!IsPrivateFolder(folder)) return {};
    return QDir(folder).filePath(lockName);
}

}  // namespace oriastra
