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
    ReadingRequest request = std::get<ReadingRequest>(outcome);
    if (options.json) {
        streams.out << WriteJson(ReportJson(commands.report(request))) << '\n';
    } else {
        // Exactly the window's text: a script comparing it must not see an extra line break.
        // The report's own line breaks stay; the name is the one value typed in, and is shown
        // with its control characters escaped, so it cannot start a report line of its own.
        request.details.name = VisibleText(request.details.name, LineBreaks::Escape);
        request.typedName = VisibleText(request.typedName, LineBreaks::Escape);
        streams.out << VisibleText(PlainText(commands.report(request)), LineBreaks::Keep);
    }
    return 0;
}

}  // namespace oriastra::cli
