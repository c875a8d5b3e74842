#include <ostream>

#include "CalculateStep.h"
#include "Commands.h"
#include "ReadingOutput.h"
#include "common/logic/RecordFile.h"
#include "common/logic/RecordLayout.h"
#include "common/logic/RegularFile.h"
#include "registry/logic/TraditionRegistry.h"

namespace oriastra::cli {

int RunOpenCommand(const CliOptions& options, CliStreams streams) {
    // The windows test the extension before anything else.
    const auto tradition = TraditionOfRecord(options.file);
    if (!tradition) return ProgramMessage(streams.err, kMessageCheckFile);
    const TraditionCommands& commands = (*tradition)->commands;

    // The window reads a file it cannot open as empty lines; a script is told why instead, or
    // a missing file would give a reading of the lists' first entries.
    const OpenedFile opened = OpenRegularFile(options.file);
    if (!opened.file.IsOpen()) return FileNotRead(streams.err, options.file, opened.problem);
    const TraditionDescriptor& descriptor = Describe(*tradition);
    const RecordEntries record = ReadRecordEntries(
        descriptor.record, ReadRecordFile(opened.file, RecordLinesToRead(descriptor.record)));

    // A freshly opened window: --name stands for what the name box holds when the record
    // gives no name of its own.
    PanelEntries entries = FreshPanelEntries(descriptor.panel);
    entries.name = options.birth.name.value_or("");
    FillPanelFromTexts(descriptor.panel, record.panel, entries);
    const auto outcome = Calculate(*tradition, entries, record.answer.value_or(""));
    if (const auto* failure = std::get_if<ValidationFailure>(&outcome)) {
        return ProgramMessage(streams.err, failure->message);
    }
    const auto& request = std::get<ReadingRequest>(outcome);
    PrintReading(streams.out, options.json, *tradition, request, commands.reading(request));
    return 0;
}

}  // namespace oriastra::cli
