#pragma once
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "common/logic/FileDescriptor.h"

namespace oriastra {

// A regular file opened for reading, or why it could not be: the system's reason ("No such
// file or directory", "Permission denied") or "not a regular file".
struct OpenedFile {
    FileDescriptor file;
    std::string problem;  // empty when the file is open
};

// Regular files only, and never a wait: a FIFO would block until a writer came, and a device
// could be endless. The type is checked before opening, so a device is never opened, and again
// on the open file, in case the path changed in between.
OpenedFile OpenRegularFile(const std::filesystem::path& path);

// The whole content of a small regular file, read as OpenRegularFile opens it; nothing when it
// cannot be read or holds more than `mostBytes` (more is never read).
std::optional<std::string> ReadSmallRegularFile(const std::filesystem::path& path,
                                                std::size_t mostBytes);

}  // namespace oriastra
