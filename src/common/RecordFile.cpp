#include "common/RecordFile.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <system_error>

#include "common/RecordText.h"
#include "common/TextUtil.h"

namespace oriastra {

namespace {

// A decoded value longer than this is empty anyway, so longer lines need not be kept.
constexpr std::size_t kLongestUsefulLine = 32767;
// Record files are a few hundred bytes; past this prefix the remaining lines read as empty.
constexpr std::uintmax_t kMostBytesExamined = 8U * 1024U * 1024U;
constexpr std::size_t kChunk = 64U * 1024U;

std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::filesystem::path temporary = target;
    temporary += ".~" + std::to_string(stamp) + "-" + std::to_string(counter++) + ".tmp";
    return temporary;
}

// The first `count` lines, still encoded, as text.
std::vector<std::string> ReadRecordLines(const std::filesystem::path& path, std::size_t count) {
    std::vector<std::string> lines;
    lines.reserve(count);
    std::ifstream file(path, std::ios::binary);
    if (file && count > 0) {
        std::string current;
        bool overlong = false;
        std::uintmax_t examined = 0;
        std::string chunk(kChunk, '\0');
        auto endLine = [&] {
            if (!current.empty() && current.back() == '\r') current.pop_back();
            lines.push_back(overlong ? std::string() : FromCodePage1252(current));
            current.clear();
            overlong = false;
        };
        while (lines.size() < count && examined < kMostBytesExamined && file) {
            file.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
            const auto got = static_cast<std::size_t>(file.gcount());
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
        if (lines.size() < count && file.eof() && (overlong || !current.empty())) endLine();
    }
    lines.resize(count);
    return lines;
}

}  // namespace

bool HasRecordExtension(std::string_view path, std::string_view extension) {
    return LastCodePoints(path, CodePointCount(extension)) == extension;
}

std::vector<std::string> ReadRecordFile(const std::filesystem::path& path, std::size_t count) {
    std::vector<std::string> values = ReadRecordLines(path, count);
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

bool WriteRecordFile(const std::filesystem::path& path, const std::vector<std::string>& values) {
    const std::string bytes = RecordFileBytes(values);
    const std::filesystem::path temporary = TemporaryBeside(path);
    bool written = false;
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (file) {
            file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            file.flush();
            written = static_cast<bool>(file);
            file.close();
            written = written && !file.fail();
        }
    }
    std::error_code error;
    if (written) {
        std::filesystem::rename(temporary, path, error);
        if (!error) return true;
    }
    std::filesystem::remove(temporary, error);
    return false;
}

}  // namespace oriastra
