#include "common/logic/RecordFile.h"

#include "common/logic/FileDescriptor.h"
#include "common/logic/FileReplace.h"
#include "common/logic/RecordText.h"
#include "common/logic/RegularFile.h"
#include "common/logic/TextUtil.h"

namespace oriastra {

namespace {

// A decoded value longer than this is empty anyway, so longer lines need not be kept.
constexpr std::size_t kLongestUsefulLine = 32767;
// Record files are a few hundred bytes. A longer line is skipped to its end, in bounded memory,
// and reading goes on with the next; only past this much of the file do the remaining lines
// read as empty, so a huge or sparse file cannot hold the program for long.
constexpr std::uintmax_t kMostBytesExamined = 1024U * 1024U * 1024U;
constexpr std::size_t kChunk = 64U * 1024U;

// The first `count` lines, still encoded, as text.
std::vector<std::string> ReadRecordLines(const FileDescriptor& file, std::size_t count) {
    std::vector<std::string> lines;
    lines.reserve(count);
    if (file.IsOpen() && count > 0) {
        std::string current;
        bool overlong = false;
        bool ended = false;
        std::uintmax_t examined = 0;
        std::string chunk(kChunk, '\0');
        auto endLine = [&] {
            if (!current.empty() && current.back() == '\r') current.pop_back();
            lines.push_back(overlong ? std::string() : FromCodePage1252(current));
            current.clear();
            overlong = false;
        };
        while (lines.size() < count && examined < kMostBytesExamined) {
            const std::size_t got = file.ReadSome(chunk.data(), chunk.size());
            if (got == 0) {
                ended = true;
                break;
            }
            examined += got;
            for (std::size_t i = 0; i < got && lines.size() < count; ++i) {
                const char byte = chunk[i];
                if (byte == '\n') {
                    endLine();
                } else if (!overlong) {
                    current += byte;
                    // One more byte than the limit, to keep a trailing CR before the LF.
                    if (current.size() > kLongestUsefulLine + 1) {
                        overlong = true;
                        current.clear();
                    }
                }
            }
        }
        // A last line without a line break still counts when the file ended there.
        if (lines.size() < count && ended && (overlong || !current.empty())) endLine();
    }
    lines.resize(count);
    return lines;
}

}  // namespace

bool HasRecordExtension(std::string_view path, std::string_view extension) {
    return LastCodePoints(path, CodePointCount(extension)) == extension;
}

std::vector<std::string> ReadRecordFile(const std::filesystem::path& path, std::size_t count) {
    return ReadRecordFile(OpenRegularFile(path).file, count);
}

std::vector<std::string> ReadRecordFile(const FileDescriptor& file, std::size_t count) {
    std::vector<std::string> values = ReadRecordLines(file, count);
    for (std::string& value : values) value = DecodeRecordText(value);
    return values;
}

std::string RecordFileBytes(const std::vector<std::string>& values) {
    std::string bytes;
    for (const std::string& value : values) {
        bytes += ToCodePage1252(EncodeRecordText(value));
        bytes += "\r\n";
    }
    return bytes;
}

SaveResult WriteRecordFile(const std::filesystem::path& path,
                           const std::vector<std::string>& values) {
    return ReplaceFileContents(path, RecordFileBytes(values));
}

}  // namespace oriastra
