#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Json.h"
#include "common/BirthDetails.h"
#include "common/StyledText.h"
#include "common/Tradition.h"

namespace oriastra::cli {

// What a reading is calculated from: the details the Calculate step stored and, for Burmese, the
// afternoon answer as the window holds it ("True", "False", "" or an opened record's fifth line).
struct ReadingInput {
    BirthDetails details;
    std::string afternoonAnswer;
};

// One piece of a reading: its `reading --json` key, its label in text output, its value.
struct ReadingField {
    std::string key;
    std::string label;
    JsonValue value;
};
using ReadingFields = std::vector<ReadingField>;

// A record file's contents as the input window receives them, before its lists pick entries.
struct OpenedRecord {
    std::string name;
    std::string day;    // list texts, taken only when the list holds them exactly
    std::string month;
    std::string year;
    std::optional<bool> male;     // the Tibetan option buttons: true Male, false Female
    std::string afternoonAnswer;  // the Burmese fifth line, as read
};

// Everything a tradition adds to the command line; the frame does parsing, validation and
// output. Each tradition fills this in its own <Tradition>Commands.cpp and is listed once in
// TraditionRegistry.cpp.
struct TraditionCommands {
    // The reading's fields, after the "tradition" and "name" the frame puts first.
    std::function<ReadingFields(const ReadingInput&)> reading;
    // The report window's styled text; left empty by a tradition without a report.
    std::function<StyledText(const ReadingInput&)> report;
    // The values the report window's Save writes, one per record line.
    std::function<std::vector<std::string>(const ReadingInput&)> recordValues;
    // Reads a record file as the input window's Open does; the extension is already checked.
    // `givenName` is the --name of `open` (empty when not given). Nothing: "Please Check The File."
    std::function<std::optional<OpenedRecord>(const std::filesystem::path&,
                                              std::string_view givenName)>
        open;
    // A problem only the calculation can see (a Burmese Wednesday without --afternoon), reported
    // as a usage error before reading, report or save. May be left empty.
    std::function<std::optional<std::string>(const ReadingInput&)> usageProblem;
};

// The tradition's commands, or nullptr while the tradition is not part of this build.
const TraditionCommands* CommandsFor(Tradition tradition);

}  // namespace oriastra::cli
