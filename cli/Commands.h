#pragma once
#include <iosfwd>
#include <string_view>

#include "CliOptions.h"
#include "common/logic/TraditionCommands.h"

namespace oriastra::cli {

struct CliStreams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// Each returns the exit status; usage problems are thrown as UsageError.
int RunReadingCommand(const CliOptions& options, const TraditionCommands& commands,
                      CliStreams streams);
int RunReportCommand(const CliOptions& options, const TraditionCommands& commands,
                     CliStreams streams);
int RunSaveCommand(const CliOptions& options, const TraditionCommands& commands,
                   CliStreams streams);
int RunOpenCommand(const CliOptions& options, CliStreams streams);
int RunBatchCommand(const CliOptions& options, const TraditionCommands& commands,
                    CliStreams streams);

// The program's own message, alone on a line of standard error: exit status 1.
int ProgramMessage(std::ostream& err, std::string_view message);

// Exit status 1: `open` or `batch` cannot read the file, for the reason given.
int FileNotRead(std::ostream& err, std::string_view file, std::string_view reason);

// Exit status 3: the file could not be written, for the reason given.
int FileNotWritten(std::ostream& err, std::string_view file, std::string_view reason);

// Exit status 3: standard output could not be written; `error` is the errno value, or 0.
int OutputNotWritten(std::ostream& err, int error);


}  // namespace oriastra::cli
