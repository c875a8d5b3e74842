#pragma once
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace oriastra {

// The program's own settings, kept in one small text file of "[Section]" and "Key=value" lines.
// Reading never waits and never reads much: a FIFO, device or folder, or a file larger than any
// the program writes, holds no settings. Writing is a safe replace that refuses anything but a
// regular file; a value that cannot be written is still kept for the rest of the run.
class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path path);

    // The stored value, or "" when there is none.
    std::string Value(std::string_view section, std::string_view key) const;
    // True when the file now holds the value; false when only this run does.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);

    // Settings are a few short values; a larger file is no settings file of ours.
    static constexpr std::size_t kMostBytes = 64 * 1024;

private:
    std::filesystem::path path_;
    std::map<std::string, std::string> thisRun_;  // "section/key" → value
};

}  // namespace oriastra
