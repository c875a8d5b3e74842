#pragma once
#include <QString>
#include <filesystem>

namespace oriastra {

// Holds an exclusive lock on a file for as long as the program runs. The system releases it
// when the process ends in any way, so a killed copy leaves no stale lock behind.
//
// Only a lock file in a folder that this user alone can use is taken, opened without following
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
    const QString& Path() const { return path_; }
    // Where the holder listens for the files later copies hand over; empty without a lock path.
    std::filesystem::path HandOverSocket() const;

    // The lock file for this user: in the runtime folder when it is private (this user's, mode
    // 0700, no link), else in a private folder of its own under the cache folder the desktop
    // names, else under ~/.cache. A folder of that name that someone else made, that others
    // may use, or that is a link is passed over. Empty when no private place can be had.
    static QString DefaultPath(const QString& programName);

private:
    QString path_;
    int descriptor_ = -1;
};

}  // namespace oriastra
