#include "common/logic/SettingsFile.h"

#include <system_error>

#include "common/logic/FileReplace.h"
#include "common/logic/IniText.h"
#include "common/logic/RegularFile.h"

namespace oriastra {

namespace {

std::string RunKey(std::string_view section, std::string_view key) {
    return std::string(section) + "/" + std::string(key);
}

}  // namespace

SettingsFile::SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}

std::string SettingsFile::Value(std::string_view section, std::string_view key) const {
    if (const auto set = thisRun_.find(RunKey(section, key)); set != thisRun_.end()) {
        return set->second;
    }
    const auto text = ReadSmallRegularFile(path_, kMostBytes);
    if (!text) return {};
    return IniValue(*text, section, key).value_or("");
}

bool SettingsFile::SetValue(std::string_view section, std::string_view key,
                            std::string_view value) {
    thisRun_[RunKey(section, key)] = std::string(value);
    // Other settings in the file are kept; a file that cannot be read is started afresh (the
    // replace then refuses it if it is no regular file).
    const std::string text = ReadSmallRegularFile(path_, kMostBytes).value_or("");
    std::error_code ignored;
    if (path_.has_parent_path()) std::filesystem::create_directories(path_.parent_path(), ignored);
    return static_cast<bool>(ReplaceFileContents(path_, WithIniValue(text, section, key, value)));
}

}  // namespace oriastra
