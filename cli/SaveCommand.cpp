#include <ostream>

#include "CalculateStep.h"
#include "Commands.h"
#include "common/logic/RecordFile.h"
#include "common/logic/RecordLayout.h"

namespace oriastra::cli {

int RunSaveCommand(const CliOptions& options, const TraditionCommands& commands,
                   CliStreams streams) {
    const auto outcome = CalculateRequest(options.tradition, commands, options.request);
    if (const auto* failure = std::get_if<ValidationFailure>(&outcome)) {
        return ProgramMessage(streams.err, failure->message);
    }
    const auto& request = std::get<ReadingRequest>(outcome);
    const auto values =
        RecordValues(Describe(options.tradition).record, request.details, request.answer);
    if (const SaveResult saved = WriteRecordFile(options.file, values); !saved) {
        return FileNotWritten(streams.err, options.file, saved.problem);
    }
    return 0;
}

}  // namespace oriastra::cli
