#include "common/logic/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <random>
#include <string>

#include "common/logic/FileDescriptor.h"

namespace oriastra {

namespace {

namespace fs = std::filesystem;

// The kernel's own limit on links in a row.
constexpr int kMostLinks = 40;

std::string SystemProblem(int error) { return std::strerror(error); }

// Where the bytes must go: the path itself, or the file its chain of links ends at (which need
// not exist yet). Nothing when the chain is too long or cannot be read.
std::optional<fs::path> FollowLinks(fs::path path, std::string& problem) {
    for (int hop = 0; hop <= kMostLinks; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::error_code error;
        const fs::path target = fs::read_symlink(path, error);
        if (error) {
            problem = error.message();
            return std::nullopt;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    problem = SystemProblem(ELOOP);
    return std::nullopt;
}

// Read-only as a user sees it: no write permission for this user, or no write bit at all (which
// the superuser would otherwise ignore).
bool IsReadOnly(const fs::path& path, const struct stat& info) {
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
           ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0;
}

// A new file of its own beside the target, open to nobody but its owner until it is complete:
// another user watching the folder must never read a private record while it is written. The
// name has a fixed length, so any name that fits the folder for the target fits for the
// temporary too.
FileDescriptor CreateTemporary(const fs::path& folder, fs::path& temporary) {
    thread_local std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, ".~oriastra-%08x.tmp", static_cast<unsigned>(random()));
        temporary = folder / name;
        FileDescriptor file(::open(temporary.c_str(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (file.IsOpen() || errno != EEXIST) return file;
    }
    return FileDescriptor();
}

// 0, or the error that stopped the writing.
int WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        if (written == 0) return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// The mode a new file gets from the mask: what a file made with 0666 would have. The system
// shows the mask in /proc; elsewhere it can only be read by setting it for a moment, when a file
// another thread made could get the wrong mode.
mode_t NewFileMode() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        unsigned mask = 0;
        if (std::sscanf(line.c_str(), "Umask: %o", &mask) == 1) return 0666 & ~mask;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Makes the rename itself durable. Some file systems cannot sync a folder; the file's content
// is on the disk already, so that is no reason to call the save failed.
void SyncFolder(const fs::path& folder) {
    const FileDescriptor handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.IsOpen()) ::fsync(handle.Get());
}

}  // namespace

SaveResult ReplaceFileContents(const fs::path& path, std::string_view bytes) {
    std::string problem;
    const std::optional<fs::path> target = FollowLinks(path, problem);
    if (!target) return {problem};
    const fs::path folder = target->has_parent_path() ? target->parent_path() : fs::path(".");

    struct stat old {};
    const bool exists = ::stat(target->c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return {SystemProblem(errno)};
    if (exists && S_ISDIR(old.st_mode)) return {"it is a folder"};
    if (exists && !S_ISREG(old.st_mode)) return {"it is not a regular file"};
    if (exists && IsReadOnly(*target, old)) return {"the file is read-only"};
    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) != 0) return {SystemProblem(errno)};
    if (!S_ISDIR(folderInfo.st_mode)) return {SystemProblem(ENOTDIR)};
    if (IsReadOnly(folder, folderInfo)) return {"the folder is read-only"};

    fs::path temporary;
    FileDescriptor file = CreateTemporary(folder, temporary);
    if (!file.IsOpen()) return {SystemProblem(errno)};
    int error = WriteAll(file.Get(), bytes);
    if (error == 0 && ::fsync(file.Get()) != 0) error = errno;
    // Only the complete file gets the old one's owner and mode. Owner first: changing it may
    // clear bits that the mode then sets again.
    if (error == 0 && exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
        [[maybe_unused]] const int ignored = ::fchown(file.Get(), old.st_uid, old.st_gid);
    }
    const mode_t mode = exists ? old.st_mode & 0777 : NewFileMode();
    if (error == 0 && mode != 0600 && ::fchmod(file.Get(), mode) != 0) error = errno;
    if (!file.Close() && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target->c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return {SystemProblem(error)};
    }
    SyncFolder(folder);
    return {};
}

}  // namespace oriastra
