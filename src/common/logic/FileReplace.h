#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace oriastra {

// The outcome of a save: empty on success, else why it failed, in one line.
struct SaveResult {
    std::string problem;
    explicit operator bool() const { return problem.empty(); }
};

// Replaces the whole content of a file, or creates it, so that a failure or a crash at any
// moment leaves either the old content or the new one, never a mix or an empty file: the bytes
// go to a temporary file beside the target, reach the disk, and are renamed over it; then the
// folder reaches the disk. A symbolic link is followed and its target replaced. Until its
// content is on the disk the temporary file is open to its owner only; then it takes the old
// file's permission bits (and owner, where the system allows), or a new file's. A folder, a
// device, a read-only file or a file in a read-only folder is refused and left untouched.
SaveResult ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes);

}  // namespace oriastra
