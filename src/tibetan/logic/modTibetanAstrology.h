#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/logic/BirthDetails.h"

namespace oriastra {

struct TibetanSunSignRow {
    std::string_view tibetan;
    std::string_view western;
    std::string_view translation;
};

// Row order is also the order of the sun sign pictures and of WesternSignText.
// "\xC3\xA4" is ä and "\xC3\xBC" is ü, spelled as bytes so the text is UTF-8 on every compiler.
inline constexpr std::array<TibetanSunSignRow, 12> kTibetanSunSigns = {{
    {"Lug", "Aries", "Lamb"},
    {"L\xC3\xA4ng", "Taurus", "Two Bulls in plough"},
    {"Khrig", "Gemini", "Husband and wife"},
    {"Kata", "Cancer", "Frog"},
    {"Senge", "Leo", "Snow Lion"},
    {"Bhumo", "Virgo", "Virgin"},
    {"Sang", "Libra", "Balance"},
    {"Dhig", "Scorpio", "Scorpio"},
    {"Sh\xC3\xBC", "Sagittarius", "Game"},
    {"Chusin", "Capricorn", "Crocodile"},
    {"Bhumpa", "Aquarius", "Water bearer"},
    {"Nya", "Pisces", "Fish"},
}};

inline constexpr std::array<std::string_view, 5> kTibetanElements = {"Earth", "Fire", "Water",
                                                                     "Iron", "Wood"};

inline constexpr std::array<std::string_view, 12> kTibetanAnimals = {
    "Rat",   "Ox",    "Tiger",  "Hare", "Dragon", "Snake",
    "Horse", "Sheep", "Monkey", "Bird", "Dog",    "Pig"};

// Only these years have an element and animal.
inline constexpr int kTibetanFirstYear = 1930;
inline constexpr int kTibetanLastYear = 2030;

// All texts UTF-8; empty until the first calculation.
// Every value is a view of the sign tables or their texts, never a copy.
struct TibetanReading {
    std::string_view tibetanSunSign;
    std::string_view translation;
    std::string_view westernSunSign;
    std::string_view westernSunSignText;
    std::string_view animalSign;
    std::string_view animalSignText;
    std::string_view element;
    std::string_view elementText;
    int sunSignPicture = 0;  // counted from 1 (row + 1); 0 = none yet
    int animalPicture = 0;
    friend bool operator==(const TibetanReading&, const TibetanReading&) = default;
};

// The Tibetan sun sign name for a date. The month must be an exact English month name
// ("January".."December", case counts); anything else has no sign.
std::optional<std::string_view> TibetanSunSign(std::string_view month, int day);

// "Element-Animal" for a year, "Iron-Horse" for 1930 to "Iron-Dog" for 2030; nothing outside.
std::optional<std::string> TibetanYearEntry(int year);

// The reading for the birth details. Parts the details give no answer for (an unknown month, a
// year out of range) keep the previous reading's values. The sex plays no part.
TibetanReading CalculateTibetanReading(const BirthDetails& details, const TibetanReading& previous);

}  // namespace oriastra
