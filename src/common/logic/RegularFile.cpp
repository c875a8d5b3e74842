#include "common/logic/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
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

std::optional<std::string> ReadSmallRegularFile(const std::filesystem::path& path,
                                                std::size_t mostBytes) {
    const OpenedFile opened = OpenRegularFile(path);
    if (!opened.file.IsOpen()) return std::nullopt;
    std::string bytes;
    char chunk[4096];
    // One byte past the bound tells a file that is too large from one that just fits.
    while (bytes.size() <= mostBytes) {
        const std::size_t got = opened.file.ReadSome(
            chunk, std::min(sizeof chunk, mostBytes + 1 - bytes.size()));
        if (got == 0) break;
        bytes.append(chunk, got);
    }
    if (bytes.size() > mostBytes) return std::nullopt;
    return bytes;
}

}  // namespace oriastra
