#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "arabic/logic/ArabicState.h"

namespace oriastra {

// The Arabic sign table: four parallel lists in zodiac order, Aries (0) to Pisces (11). The
// western names double as keys; the row of a name is the first whose western name equals it.
struct ArabicSignTables {
    std::array<std::string_view, 12> westernNames;
    std::array<std::string_view, 12> arabicNames;
    std::array<std::string_view, 12> phoneticNames;
    std::array<std::string_view, 12> descriptions;  // paragraphs joined by CR LF
};

// Every call gives the same table.
ArabicSignTables LoadArabicSignTables();

// The western sign of a day in a month ("January".."December", letter case counts); nothing for
// any other month text. The day is not checked against the month's length.
std::optional<std::string_view> FindWesternSunSign(std::string_view month, std::int16_t day);

// What the reading window shows. The default value is the window before any reading: the labels'
// initial captions and the first picture of each list.
inline constexpr std::string_view kArabicInitialCaption = "Label1";
struct ArabicReading {
    std::string_view westernName = kArabicInitialCaption;
    std::string_view arabicName = kArabicInitialCaption;
    std::string_view phoneticName = kArabicInitialCaption;
    std::string_view description;
    int urduNamePicture = 1;  // picture lists are counted from 1: row + 1
    int zodiacPicture = 1;
    friend bool operator==(const ArabicReading&, const ArabicReading&) = default;
};

// The pure half of showing a sign: the row of `westernName` as the reading window shows it, or
// nothing when no row has exactly that name (the window is then left as it was).
std::optional<ArabicReading> FindArabicSign(std::string_view westernName);

// The Calculate step's sign: the date's western name replaces the one the state holds; a month
// text that is none of the twelve names leaves it as it was.
void StoreWesternSunSign(ArabicState& state, std::string_view month, std::int16_t day);

}  // namespace oriastra
