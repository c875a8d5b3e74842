#include <ostream>

#include "CalculateStep.h"
#include "Commands.h"
#include "ReadingOutput.h"
#include "UsageError.h"
#include "VisibleText.h"

namespace oriastra::cli {

int RunReportCommand(const CliOptions& options, const TraditionCommands& commands,
                     CliStreams streams) {
    if (!commands.report) {
        throw UsageError("the " + std::string(TraditionKey(options.tradition)) +
                         " tradition has no report");
    }
    const auto outcome = CalculateRequest(options.tradition, commands, options.request);
    if (const auto* failure = std::get_if<ValidationFailure>(&outcome)) {
        return ProgramMessage(streams.err, failure->message);
    }
    const StyledText runs = commands.report(std::get<ReadingRequest>(outcome));
    if (options.json) {
        streams.out << WriteJson(ReportJson(runs)) << '\n';
    } else {
        // Exactly the window's text: a script comparing it must not see an extra line break.
        // Only control characters other than line breaks are made visible.
        streams.out << VisibleText(PlainText(runs), LineBreaks::Keep);
    }
    return 0;
}

}  // namespace oriastra::cli
