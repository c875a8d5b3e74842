#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/logic/FileDescriptor.h"
#include "common/logic/FileReplace.h"

namespace oriastra {

// True when the last three characters of the path are exactly the extension ("tib"); letter
// case counts, so "x.TIB" is refused.
bool HasRecordExtension(std::string_view path, std::string_view extension);

// The first `count` lines of a record file, each decoded. A missing line, or a file that cannot
// be read, gives empty texts; so does anything but a regular file (a FIFO, device, socket or
// folder), which is never waited on. CR LF or a lone LF ends a line. Whatever the file holds, at
// most a bounded prefix of it is examined.
std::vector<std::string> ReadRecordFile(const std::filesystem::path& path, std::size_t count);
// The same from a file already opened by OpenRegularFile; no file (-1) gives empty texts.
std::vector<std::string> ReadRecordFile(const FileDescriptor& file, std::size_t count);

// Writes one encoded line per value, each ended by CR LF, in code page 1252, as
// ReplaceFileContents does: a failed save leaves any existing record as it was.
SaveResult WriteRecordFile(const std::filesystem::path& path,
                           const std::vector<std::string>& values);

// The exact bytes WriteRecordFile puts in the file.
std::string RecordFileBytes(const std::vector<std::string>& values);

}  // namespace oriastra
