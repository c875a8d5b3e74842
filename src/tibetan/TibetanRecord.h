#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/BirthDetails.h"

namespace oriastra {

inline constexpr std::size_t kTibetanRecordLines = 5;
inline constexpr std::string_view kTibetanExtension = "tib";

// The record's plain values, in line order: name, sex, day ("5"), month name, year; to be
// written with WriteRecordFile.
std::vector<std::string> TibetanRecordValues(const BirthDetails& details);

// How a read record fills the input panel.
struct TibetanRecordEntries {
    std::string name;
    bool male = false;  // otherwise Female is selected
    std::string day;
    std::string month;
    std::string year;
};

// From the decoded lines (ReadRecordFile). Male only when line 2 is exactly "Male"; a missing
// line reads as empty.
TibetanRecordEntries TibetanEntriesFromRecord(const std::vector<std::string>& decodedLines);

}  // namespace oriastra
