#include "tibetan/TibetanRecord.h"

namespace oriastra {

std::vector<std::string> TibetanRecordValues(const BirthDetails& details) {
    return {details.name, details.sex, std::to_string(details.day), details.month,
            std::to_string(details.year)};
}

TibetanRecordEntries TibetanEntriesFromRecord(const std::vector<std::string>& decodedLines) {
    auto line = [&](std::size_t index) {
        return index < decodedLines.size() ? decodedLines[index] : std::string();
    };
    TibetanRecordEntries entries;
    entries.name = line(0);
    entries.male = line(1) == "Male";
    entries.day = line(2);
    entries.month = line(3);
    entries.year = line(4);
    return entries;
}

}  // namespace oriastra
