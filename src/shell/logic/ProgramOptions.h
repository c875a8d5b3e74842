#pragma once
// The desktop program's command line, read before the toolkit starts: --help and --version must
// answer without a display, and a mistyped option must not open the window.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace oriastra {

enum class ProgramAction { Run, Help, Version, UsageError };

struct ProgramRequest {
    ProgramAction action = ProgramAction::Run;
    std::string problem;  // UsageError: what was wrong, one line
    // Run: the record files to open, as given (plain arguments, "-" and all after "--").
    std::vector<std::string> files;
};

// The arguments without the program name. The toolkit's own options (-platform NAME, -style NAME,
// -reverse, ...) are left for the toolkit; their values are never taken for files.
ProgramRequest ReadProgramArguments(const std::vector<std::string_view>& arguments);

// Prints what the request asks for (help, version, usage error) and returns the exit status:
// 0, or 2 for a usage error, or 3 when `out` could not be written.
int AnswerProgramRequest(const ProgramRequest& request, std::FILE* out, std::FILE* err);

}  // namespace oriastra
