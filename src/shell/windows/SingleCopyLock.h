#pragma once
#include <QString>

namespace oriastra {

// Holds an exclusive lock on a file for as long as the program runs. The system releases it
// when the process ends in any way, so a killed copy leaves no stale lock behind.
//
// Only a lock file in a folder that this user alone can write is used, opened without following
// a link, and only when this user owns it: otherwise another user could stop this one from
// starting, let two copies run, or have the program create a file where they chose. Where no
// such place can be had, the program starts without the lock: one copy is a convenience, not a
// reason to refuse work.
class SingleCopyLock {
public:
    // An empty path takes no lock.
    explicit SingleCopyLock(QString lockPath);
    ~SingleCopyLock();
    SingleCopyLock(const SingleCopyLock&) = delete;
    SingleCopyLock& operator=(const SingleCopyLock&) = delete;

    // False only when another copy holds the lock.
    bool Acquire();
    // True while this object holds the lock.
    bool Held() const { return descriptor_ >= 0; }

    // The lock file for this user: in the runtime folder when only this user can write it, else
    // in a folder of its own under the user's cache folder, made private. Empty when neither
    // can be had.
    static QString DefaultPath(const QString& programName);

private:
    QString path_;
    int descriptor_ = -1;
};

}  // namespace oriastra
