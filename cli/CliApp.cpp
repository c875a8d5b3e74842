#include "CliApp.h"

#include <cerrno>
#include <exception>
#include <ostream>

#include "CliOptions.h"
#include "Commands.h"
#include "HelpText.h"
#include "UsageError.h"
#include "VisibleText.h"

namespace oriastra::cli {

namespace {

int Dispatch(const CliOptions& options, CliStreams streams) {
    switch (options.command) {
        case Command::Help: streams.out << HelpText(); return 0;
        case Command::Version: streams.out << "oriastra-cli " << ORIASTRA_VERSION << '\n'; return 0;
        case Command::Open: return RunOpenCommand(options, streams);
        default: break;
    }
    const TraditionCommands& commands = options.tradition->commands;
    switch (options.command) {
        case Command::Reading: return RunReadingCommand(options, commands, streams);
        case Command::Report: return RunReportCommand(options, commands, streams);
        case Command::Save: return RunSaveCommand(options, commands, streams);
        case Command::Batch: return RunBatchCommand(options, commands, streams);
        default: return 0;
    }
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err) {
    // A write that fails leaves its reason here; start clean, so none is taken from elsewhere.
    errno = 0;
    try {
        const int status = Dispatch(ParseCommandLine(arguments), CliStreams{in, out, err});
        // Buffered output fails only when it is written out: a full disk or a closed descriptor
        // must not pass for success.
        out.flush();
        if (!out) return OutputNotWritten(err, errno);
        return status;
    } catch (const UsageError& problem) {
        // Messages quote what was typed, which may hold anything.
        err << "oriastra-cli: " << VisibleText(problem.Message(), LineBreaks::Escape)
            << "\nTry 'oriastra-cli --help'.\n";
        return 2;
    } catch (const std::exception& problem) {
        err << "oriastra-cli: " << VisibleText(problem.what(), LineBreaks::Escape) << '\n';
        return 1;
    }
}

}  // namespace oriastra::cli
