#include "common/logic/PrivateFolder.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "common/logic/FileDescriptor.h"

namespace oriastra {

FileDescriptor OpenPrivateFolder(const std::filesystem::path& folder) {
    if (folder.empty()) return FileDescriptor();
    FileDescriptor handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (!handle.IsOpen() || ::fstat(handle.Get(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::geteuid() || (info.st_mode & 0777) != 0700) {
        return FileDescriptor();
    }
    return handle;
}

bool IsPrivateFolder(const std::filesystem::path& folder) {
    return OpenPrivateFolder(folder).IsOpen();
}

bool MakePrivateFolder(const std::filesystem::path& folder) {
    if (folder.empty()) return false;
    if (::mkdir(folder.c_str(), 0700) == 0) {
        // The mask may have taken bits the folder needs for its owner.
        ::chmod(folder.c_str(), 0700);
    } else if (errno != EEXIST) {
        return false;
    }
    return IsPrivateFolder(folder);
}

}  // namespace oriastra
