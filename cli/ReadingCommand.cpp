#include "CalculateStep.h"
#include "Commands.h"
#include "ReadingOutput.h"

namespace oriastra::cli {

int RunReadingCommand(const CliOptions& options, const TraditionCommands& commands,
                      CliStreams streams) {
    const auto outcome = CalculateRequest(options.tradition, commands, options.request);
    if (const auto* failure = std::get_if<ValidationFailure>(&outcome)) {
        return ProgramMessage(streams.err, failure->message);
    }
    const auto& input = std::get<ReadingRequest>(outcome);
    PrintReading(streams.out, options.json, options.tradition, input, commands.reading(input));
    return 0;
}

}  // namespace oriastra::cli
