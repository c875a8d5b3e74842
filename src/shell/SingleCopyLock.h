#pragma once
#include <QString>

namespace oriastra {

// Holds an exclusive lock on a file for as long as the program runs. The system releases it
// when the process ends in any way, so a killed copy leaves no stale lock behind.
class SingleCopyLock {
public:
    explicit SingleCopyLock(QString lockPath);
    ~SingleCopyLock();
    SingleCopyLock(const SingleCopyLock&) = delete;
    SingleCopyLock& operator=(const SingleCopyLock&) = delete;

    // False when another copy holds the lock.
    bool Acquire();

    // The lock file for this user: in the runtime folder, else the temporary folder.
    static QString DefaultPath(const QString& programName);

private:
    QString path_;
    int descriptor_ = -1;
};

}  // namespace oriastra
