#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/logic/TranslatedText.h"

namespace oriastra {

// One row of the day sign table; rows are numbered 1 to 8, Wednesday split into row 4 (before
// noon) and row 5 (after noon).
struct DaySign {
    std::string_view chosenWhen;  // the BirthWeekday that takes the row
    std::string_view birthDay;
    std::string_view luckyDirection;
    std::string_view animalSign;
    std::string_view birthDayPlanet;
    std::string_view characteristic;
};

inline constexpr int kWednesdayMorningRow = 4;
inline constexpr int kWednesdayAfternoonRow = 5;

inline constexpr std::array<DaySign, 8> kDaySigns = {{
    {"Sunday", "Sunday", "NorthEast", "Garuda", "Sun", "Powerful, Forceful, Stubborn"},
    {"Monday", "Monday", "East", "Tiger", "Moon", "Intelligent, Charming, Friendly"},
    {"Tuesday", "Tuesday", "SouthEast", "Lion", "Mars", "Outspoken, Straightforward, Forceful"},
    {"Wednesday", "Wednesday", "South", "Elephant", "Mercury", "Short Tempered, Hasty, Impatient"},
    {"Wednesday", "Wednesday", "NorthWest", "Tuskless Elephant", "Rahu",
     "Short Tempered, Hasty, Impatient"},
    {"Thursday", "Thursday", "West", "Rat", "Jupiter", "Ambitious, Patient, Cool Headed"},
    {"Friday", "Friday", "North", "Guinea Pig", "Venus", "Sensitive, Restless, Talkative"},
    {"Saturday", "Saturday", "SouthWest", "Dragon", "Saturn",
     "Intelligent, Hard Working, Organizers"},
}};

inline constexpr std::string_view kWednesday = "Wednesday";

// The Wednesday answer as the state and the record's fifth line hold it.
inline constexpr std::string_view kAfternoonYes = "True";
inline constexpr std::string_view kAfternoonNo = "False";
inline constexpr std::string_view kAfternoonQuestion =
    ORIASTRA_TEXT("Messages", "Is Your Time Of Birth After 12 PM ?");

// "True" is after noon, "False" before; anything else leaves the question undecided.
std::optional<bool> AfternoonFromAnswer(std::string_view answer);

// The row (1 to 8) for a weekday; a Wednesday needs the afternoon decided. No row for a text
// that is not a weekday name or an undecided Wednesday.
std::optional<int> FindDaySign(std::string_view weekday, std::optional<bool> afternoon);
const DaySign& DaySignRow(int row);  // row 1 to 8

// The Burmese year begins on 16 April. Month 1 to 12, day 1 to 31.
int BurmeseEraYear(int year, int month, int day);

// House 1 first; the arrangement depends only on the era year.
std::array<std::string_view, 7> PlaceHousePlanets(int eraYear);

// The house tables, house 1 at index 0.
struct HouseTexts {
    std::array<std::string, 7> HouseName;
    std::array<std::string, 7> HouseDescription;
};

// Fills both tables; running it again gives the same texts.
void LoadHouseTexts(HouseTexts& texts);

// What the box of a house shows; the name is what the hover and the report show.
std::string_view HouseBoxCaption(int house);  // house 1 to 7

// Three sentences, each pushed onto a line of its own by the runs of spaces between them.
std::string HouseChartLegend();

// What the chart's two description labels show while the pointer is over a house (1 to 7), or
// over the chart around the houses (nothing).
struct HouseHover {
    std::string name;
    std::string description;
};
HouseHover HouseHoverTexts(const HouseTexts& texts, std::optional<int> house);

}  // namespace oriastra
