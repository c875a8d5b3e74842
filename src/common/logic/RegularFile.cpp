#include "common/logic/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace oriastra {

namespace {

constexpr const char* kNotRegular = "not a regular file";

OpenedFile Refused(std::string problem) { return {FileDescriptor(), std::move(problem)}; }

}  // namespace

OpenedFile OpenRegularFile(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return Refused(std::strerror(errno));
    if (!S_ISREG(info.st_mode)) return Refused(kNotRegular);
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.IsOpen()) return Refused(std::strerror(errno));
    if (::fstat(file.Get(), &info) != 0) return Refused(std::strerror(errno));
    if (!S_ISREG(info.st_mode)) return Refused(kNotRegular);
    return {std::move(file), {}};
}

}  // namespace oriastra
