#include "common/logic/RecordLayout.h"

#include "common/logic/Base64.h"
#include "common/logic/RecordText.h"
#include "common/logic/Utf8Repair.h"

namespace oriastra {

namespace {

constexpr std::string_view kNamePrefix = "UTF8:";

// The name from its own line, when that line is one and holds well-formed UTF-8.
std::optional<std::string> NameFromItsOwnLine(std::string_view line) {
    if (!line.starts_with(kNamePrefix)) return std::nullopt;
    auto name = DecodeBase64(line.substr(kNamePrefix.size()));
    if (!name || !IsValidUtf8(*name)) return std::nullopt;
    return name;
}

}  // namespace

std::size_t RecordLinesToRead(const RecordLayout& layout) {
    return layout.lines + (layout.nameLine ? 1 : 0);
}

RecordEntries ReadRecordEntries(const RecordLayout& layout,
                                const std::vector<std::string>& decodedLines) {
    auto line = [&](std::size_t index) {
        return index < decodedLines.size() ? decodedLines[index] : std::string();
    };
    RecordEntries entries;
    if (layout.nameLine) {
        entries.panel.name = NameFromItsOwnLine(line(layout.lines)).value_or(line(*layout.nameLine));
    }
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
    if (layout.nameLine && !RecordLineHoldsExactly(details.name)) {
        values.push_back(std::string(kNamePrefix) + EncodeBase64(details.name));
    }
    return values;
}

}  // namespace oriastra
