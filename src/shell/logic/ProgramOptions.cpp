#include "shell/logic/ProgramOptions.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

#include "registry/logic/TraditionRegistry.h"

namespace oriastra {
namespace {

// The usage line, then what the program gives (which names its traditions), then this.
constexpr std::string_view kHelpUsage = "Usage: kestrin-oriastra [OPTION]... [FILE]...\n";
constexpr std::string_view kHelpOptions =
    R"(
  -h, --help     show this help and exit
      --version  show the version and exit

Each FILE, a record saved before, is opened as its tradition's Open would, the tradition
following from its extension. When a copy of the program is already running, it opens them.

The toolkit's own options (-platform NAME, -style NAME, -reverse and the like) are passed on.
Readings, reports and record files from the shell: oriastra-cli --help.
)";

// The toolkit's options, written with one dash or two; those that take the next word as value.
constexpr std::array<std::string_view, 16> kToolkitValueOptions = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowtitle", "qwindowicon", "geometry", "title", "icon", "style", "stylesheet",
    "session", "display", "name", "visual"};
constexpr std::array<std::string_view, 6> kToolkitFlags = {"reverse", "widgetcount", "nograb",
                                                           "dograb", "sync", "testability"};
// Taken as "-style=fusion" too.
constexpr std::array<std::string_view, 3> kToolkitJoinedOptions = {"style=", "stylesheet=",
                                                                   "qmljsdebugger="};

template <std::size_t N>
bool Holds(const std::array<std::string_view, N>& list, std::string_view word) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

ProgramRequest Usage(std::string problem) {
    return {ProgramAction::UsageError, std::move(problem), {}};
}

}  // namespace

ProgramRequest ReadProgramArguments(const std::vector<std::string_view>& arguments) {
    std::vector<std::string> files;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string_view argument = arguments[index];
        if (argument == "--") {
            files.insert(files.end(), arguments.begin() + static_cast<std::ptrdiff_t>(index) + 1,
                         arguments.end());
            break;
        }
        if (argument == "-" || !argument.starts_with('-')) {
            files.emplace_back(argument);
            continue;
        }
        if (argument == "--help" || argument == "-h") return {ProgramAction::Help, {}, {}};
        if (argument == "--version") return {ProgramAction::Version, {}, {}};

        const std::string_view option = argument.substr(argument.starts_with("--") ? 2 : 1);
        if (Holds(kToolkitFlags, option)) continue;
        if (std::any_of(kToolkitJoinedOptions.begin(), kToolkitJoinedOptions.end(),
                        [&](std::string_view joined) { return option.starts_with(joined); }))
            continue;
        if (Holds(kToolkitValueOptions, option)) {
            if (++index == arguments.size())
                return Usage("option '" + std::string(argument) + "' needs a value");
            continue;
        }
        return Usage("unknown option '" + std::string(argument) + "'");
    }
    return {ProgramAction::Run, {}, std::move(files)};
}

int AnswerProgramRequest(const ProgramRequest& request, std::FILE* out, std::FILE* err) {
    switch (request.action) {
        case ProgramAction::Run: return 0;
        case ProgramAction::UsageError:
            std::fprintf(err, "kestrin-oriastra: %s\nTry 'kestrin-oriastra --help' for more "
                              "information.\n", request.problem.c_str());
            return 2;
        case ProgramAction::Help:
            for (std::string_view part :
                 {kHelpUsage, ProseNamingTraditions().programHelp, kHelpOptions}) {
                std::fwrite(part.data(), 1, part.size(), out);
            }
            break;
        case ProgramAction::Version: std::fputs("kestrin-oriastra " ORIASTRA_VERSION "\n", out); break;
    }
    // A help that never reached its reader (a full disk, a closed descriptor) is no success.
    if (std::fflush(out) != 0 || std::ferror(out)) {
        std::fprintf(err, "kestrin-oriastra: cannot write standard output: %s\n",
                     std::strerror(errno));
        return 3;
    }
    return 0;
}

}  // namespace oriastra
