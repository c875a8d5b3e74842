#pragma once
#include <filesystem>

#include "common/logic/FileDescriptor.h"

namespace oriastra {

// A folder no other user can list, put files in, rename or remove them from: owned by this
// user, mode 0700, and not reached through a symbolic link at its last step.
bool IsPrivateFolder(const std::filesystem::path& folder);
// The folder opened, when it is private; checked on the open handle, so it cannot be swapped
// after the check. Closed otherwise.
FileDescriptor OpenPrivateFolder(const std::filesystem::path& folder);

// Makes the folder with mode 0700 when it is missing (its parent must exist), and says whether
// it is private then. A folder someone else made, or made open to others, is left as it is.
bool MakePrivateFolder(const std::filesystem::path& folder);

}  // namespace oriastra
