#pragma once
#include <string>
#include <vector>

#include "BirthArguments.h"
#include "common/logic/Tradition.h"
#include "registry/logic/TraditionRegistry.h"

namespace oriastra::cli {

enum class Command { Reading, Report, Save, Open, Batch, Help, Version };

struct CliOptions {
    Command command = Command::Help;
    Tradition tradition = AllTraditions().front();  // not used by open, help, version
    std::string file;  // save, open, and batch ("" or "-" for standard input)
    BirthArguments birth;   // as given; open uses only the name
    BirthRequest request;   // reading, report, save: the birth arguments, checked
    bool json = false;
};

// Reads the command line (without the program name). Throws UsageError for an unknown command,
// tradition or option, a missing value or argument, an option the command does not take,
// `report` for a tradition without a report, a save file without the tradition's extension, or birth details no window
// could be given (ReadBirthArguments). All of these are found before any tradition is asked.
CliOptions ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace oriastra::cli
