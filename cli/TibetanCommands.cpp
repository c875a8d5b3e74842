#include "TibetanCommands.h"

#include "common/RecordFile.h"
#include "tibetan/TibetanRecord.h"
#include "tibetan/TibetanReport.h"
#include "tibetan/modTibetanAstrology.h"

namespace oriastra::cli {

namespace {

// A fresh window has no earlier reading whose captions could stay.
TibetanReading Calculate(const ReadingInput& input) {
    return CalculateTibetanReading(input.details, TibetanReading{});
}

ReadingFields Fields(const ReadingInput& input) {
    const TibetanReading reading = Calculate(input);
    return {
        {"sex", "Sex", input.details.sex},
        {"tibetanSunSign", "Tibetan sun sign", reading.tibetanSunSign},
        {"translation", "Translation", reading.translation},
        {"westernSunSign", "Western sun sign", reading.westernSunSign},
        {"westernSunSignText", "Western sun sign reading", reading.westernSunSignText},
        {"element", "Element", reading.element},
        {"elementText", "Element reading", reading.elementText},
        {"animalSign", "Animal sign", reading.animalSign},
        {"animalSignText", "Animal sign reading", reading.animalSignText},
    };
}

std::optional<OpenedRecord> Open(const std::filesystem::path& path, std::string_view) {
    const TibetanRecordEntries entries =
        TibetanEntriesFromRecord(ReadRecordFile(path, kTibetanRecordLines));
    OpenedRecord record;
    record.name = entries.name;
    record.male = entries.male;
    record.day = entries.day;
    record.month = entries.month;
    record.year = entries.year;
    return record;
}

}  // namespace

TraditionCommands TibetanCommands() {
    TraditionCommands commands;
    commands.reading = Fields;
    commands.report = [](const ReadingInput& input) {
        return BuildTibetanReport(input.details, Calculate(input));
    };
    commands.recordValues = [](const ReadingInput& input) {
        return TibetanRecordValues(input.details);
    };
    commands.open = Open;
    return commands;
}

}  // namespace oriastra::cli
