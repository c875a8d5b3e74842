// The command line: NUL-separated arguments. The parser either accepts them or throws a usage
// error; commands that touch no file then run, and what they print is safe for a terminal. An
// argument "@N" stands for the key of the registry's tradition N, so the seeds reach every
// tradition without naming one.
#include "CliOptions.h"
#include "FuzzCheck.h"
#include "UsageError.h"
#include "registry/logic/TraditionRegistry.h"

using namespace oriastra;

namespace {

std::string Expanded(std::string argument) {
    const auto traditions = AllTraditions();
    if (argument.size() == 2 && argument[0] == '@' && argument[1] >= '0' && argument[1] <= '9') {
        return std::string(traditions[static_cast<std::size_t>(argument[1] - '0') %
                                      traditions.size()]->key);
    }
    return argument;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments;
    std::string current;
    for (const char byte : fuzz::Bytes(data, size)) {
        if (byte != '\0') {
            current += byte;
            continue;
        }
        arguments.push_back(Expanded(std::move(current)));
        current.clear();
    }
    if (!current.empty()) arguments.push_back(Expanded(std::move(current)));
    if (arguments.size() > 24) return 0;

    std::optional<cli::CliOptions> options;
    try {
        options = cli::ParseCommandLine(arguments);
    } catch (const cli::UsageError&) {
    }
    // Save writes a file and open and batch FILE read one: they are fuzzed through their own
    // targets, on files of their own.
    if (options && (options->command == cli::Command::Save || options->command == cli::Command::Open)) {
        return 0;
    }
    if (options && options->command == cli::Command::Batch && !options->file.empty() &&
        options->file != "-") {
        return 0;
    }
    const fuzz::CliRun run = fuzz::RunCliWith(arguments);
    FUZZ_CHECK(run.status >= 0 && run.status <= 2);
    if (!options) FUZZ_CHECK(run.status == 2);
    FUZZ_CHECK(fuzz::SafeForATerminal(run.err));
    if (!options || !options->json) FUZZ_CHECK(fuzz::SafeForATerminal(run.out));
    return 0;
}
