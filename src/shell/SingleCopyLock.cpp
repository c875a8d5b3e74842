#include "shell/SingleCopyLock.h"

#include <QDir>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace oriastra {

SingleCopyLock::SingleCopyLock(QString lockPath) : path_(std::move(lockPath)) {}

SingleCopyLock::~SingleCopyLock() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

bool SingleCopyLock::Acquire() {
    if (descriptor_ >= 0) return true;
    const QByteArray path = QFile::encodeName(path_);
    const int descriptor = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // A lock file that cannot be made must not stop the program from starting.
    if (descriptor < 0) return true;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        ::close(descriptor);
        return false;
    }
    descriptor_ = descriptor;
    return true;
}

QString SingleCopyLock::DefaultPath(const QString& programName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QDir(folder).filePath(programName + QStringLiteral(".lock"));
}

}  // namespace oriastra
