#include <array>
#include <istream>
#include <exception>
#include <ostream>

#include "CalculateStep.h"
#include "Commands.h"
#include "CsvReader.h"
#include "DescriptorInput.h"
#include "JsonStringCache.h"
#include "ReadingOutput.h"
#include "UsageError.h"
#include "common/logic/RegularFile.h"

namespace oriastra::cli {

namespace {

constexpr std::array<std::string_view, 6> kHeader = {"name", "day",  "month",
                                                     "year", "sex", "afternoon"};

bool IsHeader(const CsvRecord& record) {
    if (!record.problem.empty() || record.fields.size() != kHeader.size()) return false;
    for (std::size_t i = 0; i < kHeader.size(); ++i) {
        if (record.fields[i] != kHeader[i]) return false;
    }
    return true;
}

// Empty sex and afternoon columns stand for options not given. The row's texts are moved, not
// copied: nothing reads them after.
BirthArguments ArgumentsOfRow(std::vector<std::string>& fields) {
    BirthArguments arguments;
    arguments.name = std::move(fields[0]);
    arguments.day = std::move(fields[1]);
    arguments.month = std::move(fields[2]);
    arguments.year = std::move(fields[3]);
    if (!fields[4].empty()) arguments.sex = std::move(fields[4]);
    if (!fields[5].empty()) arguments.afternoon = std::move(fields[5]);
    return arguments;
}

void AppendError(std::string& out, std::string_view message) {
    out += "{\"error\":";
    AppendJsonString(out, message);
    out += '}';
}

// One JSON object per row, added to `out`. Row numbers count the header as row 1, as a
// spreadsheet shows them.
void AppendRowResult(std::string& out, Tradition tradition, const TraditionCommands& commands,
                     CsvRecord& record, std::size_t row, JsonStringCache& cache) {
    // Built only for a row that fails.
    const auto where = [row] { return "Row " + std::to_string(row) + ": "; };
    // A blank line still gets its line, so output line N always answers input row N + 1.
    if (record.blank) return AppendError(out, where() + "empty row");
    if (!record.problem.empty()) return AppendError(out, where() + record.problem);
    if (record.fields.size() != kHeader.size()) {
        return AppendError(out, where() + "expected 6 fields, found " +
                                    std::to_string(record.fields.size()));
    }
    try {
        const auto outcome = CalculateRequest(
            tradition, commands, ReadBirthArguments(tradition, ArgumentsOfRow(record.fields)));
        if (const auto* failure = std::get_if<ValidationFailure>(&outcome)) {
            return AppendError(out, where() + std::string(failure->message));
        }
        const auto& input = std::get<ReadingRequest>(outcome);
        const ReadingFields fields = commands.reading(input);
        AppendReadingJson(out, tradition, input, fields, &cache);
    } catch (const UsageError& problem) {
        AppendError(out, where() + problem.Message());
    } catch (const std::exception& problem) {
        AppendError(out, where() + problem.what());
    }
}

// Writes one line per row after the header of `in`, which `source` names in messages.
int WriteRows(std::istream& in, std::string_view source, const CliOptions& options,
              const TraditionCommands& commands, std::ostream& out) {
    CsvReader reader(in);
    const auto header = reader.Next();
    if (!header || !IsHeader(*header)) {
        throw UsageError(std::string(source) +
                         " must start with the CSV header name,day,month,year,sex,afternoon");
    }
    // Rows are gathered into blocks: the stream writes a long line straight through with a system
    // call of its own, and most reading lines are long.
    constexpr std::size_t kBlock = 1 << 16;
    std::size_t row = 1;
    std::string block;
    JsonStringCache cache;
    CsvRecord record;
    while (reader.Next(record)) {
        ++row;
        AppendRowResult(block, options.tradition, commands, record, row, cache);
        block += '\n';
        if (block.size() >= kBlock) {
            out << block;
            block.clear();
            // Nothing more can reach the output (a full disk): no use reading the rest.
            if (!out) return 0;
        }
    }
    out << block;
    return 0;
}

}  // namespace

int RunBatchCommand(const CliOptions& options, const TraditionCommands& commands,
                    CliStreams streams) {
    if (options.file.empty() || options.file == "-") {
        return WriteRows(streams.in, "standard input", options, commands, streams.out);
    }
    OpenedFile opened = OpenRegularFile(options.file);
    if (!opened.file.IsOpen()) return FileNotRead(streams.err, options.file, opened.problem);
    DescriptorInput buffer(std::move(opened.file));
    std::istream in(&buffer);
    return WriteRows(in, options.file, options, commands, streams.out);
}

}  // namespace oriastra::cli
