#include "common/logic/RecordLayout.h"

namespace oriastra {

RecordEntries ReadRecordEntries(const RecordLayout& layout,
                                const std::vector<std::string>& decodedLines) {
    auto line = [&](std::size_t index) {
        return index < decodedLines.size() ? decodedLines[index] : std::string();
    };
    RecordEntries entries;
    if (layout.nameLine) entries.panel.name = line(*layout.nameLine);
    if (layout.sexLine) entries.panel.sex = line(*layout.sexLine);
    entries.panel.day = line(layout.dayLine);
    entries.panel.month = line(layout.monthLine);
    entries.panel.year = line(layout.yearLine);
    if (layout.answerLine) entries.answer = line(*layout.answerLine);
    return entries;
}

std::vector<std::string> RecordValues(const RecordLayout& layout, const BirthDetails& details,
                                      std::string_view answer) {
    std::vector<std::string> values(layout.lines);
    auto put = [&](std::optional<std::size_t> index, std::string value) {
        if (index && *index < values.size()) values[*index] = std::move(value);
    };
    put(layout.nameLine, details.name);
    put(layout.sexLine, details.sex);
    put(layout.dayLine, std::to_string(details.day));
    put(layout.monthLine, details.month);
    put(layout.yearLine, std::to_string(details.year));
    put(layout.answerLine, std::string(answer));
    return values;
}

}  // namespace oriastra
