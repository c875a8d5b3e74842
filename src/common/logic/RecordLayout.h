#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/logic/BirthDetails.h"
#include "common/logic/BirthDetailsRules.h"

namespace oriastra {

// Which line of a record file (counted from 0) holds which entry of the input window. A name the
// name line cannot hold exactly also gets a line of its own after them, "UTF8:" and the name's
// bytes in base64; readers that take only the tradition's lines never see it.
struct RecordLayout {
    std::size_t lines = 0;  // the tradition's lines; a missing line reads as empty
    std::optional<std::size_t> nameLine;    // nothing: the name box keeps what it holds
    std::optional<std::size_t> sexLine;
    std::size_t dayLine = 0;
    std::size_t monthLine = 0;
    std::size_t yearLine = 0;
    std::optional<std::size_t> answerLine;  // the tradition's own question (the afternoon)
};

// A record's decoded lines sorted into what the input window takes from them.
struct RecordEntries {
    PanelTexts panel;
    std::optional<std::string> answer;
};

// How many lines to read for ReadRecordEntries: the tradition's and the name's own.
std::size_t RecordLinesToRead(const RecordLayout& layout);

RecordEntries ReadRecordEntries(const RecordLayout& layout,
                                const std::vector<std::string>& decodedLines);

// The plain values of a record, in line order, for WriteRecordFile: the stored birth details
// (day and year as digits without leading zeros) and the tradition's answer, then the name's
// own line when the name line cannot hold it.
std::vector<std::string> RecordValues(const RecordLayout& layout, const BirthDetails& details,
                                      std::string_view answer = {});

}  // namespace oriastra
