#include "burmese/logic/modBurmese.h"

#include "burmese/logic/BurmeseTexts.h"
#include "common/logic/TranslatedText.h"

namespace oriastra {

namespace {

// Weekday numbers of the house chart: Saturday 0 to Friday 6, each with its day sign planet
// (Wednesday counts as Mercury; Rahu never enters the chart).
constexpr std::array<std::string_view, 7> kHousePlanets = {"Saturn", "Sun",     "Moon", "Mars",
                                                           "Mercury", "Jupiter", "Venus"};

struct House {
    std::string_view caption;
    std::string_view name;
};

constexpr std::array<House, 7> kHouses = {{
    {"The House of Impermanence", "The House of Impermanence"},
    {"The House of Extremity", "The House of Extremity"},
    {"The House of Fame", "House of Fame"},
    {"The House of Wealth", "House of Wealth"},
    {"The House van Kingly Position", "House van Kingly Position"},
    {"The House of Sickly", "The House of Sickly"},
    {"The House of the Leader", "House of the Leader"},
}};

bool IsHouse(int house) { return house >= 1 && house <= 7; }

}  // namespace

std::optional<bool> AfternoonFromAnswer(std::string_view answer) {
    if (answer == kAfternoonYes) return true;
    if (answer == kAfternoonNo) return false;
    return std::nullopt;
}

std::optional<int> FindDaySign(std::string_view weekday, std::optional<bool> afternoon) {
    if (weekday == kWednesday) {
        if (!afternoon) return std::nullopt;
        return *afternoon ? kWednesdayAfternoonRow : kWednesdayMorningRow;
    }
    for (int row = 1; row <= static_cast<int>(kDaySigns.size()); ++row) {
        if (kDaySigns[row - 1].chosenWhen == weekday) return row;
    }
    return std::nullopt;
}

const DaySign& DaySignRow(int row) { return kDaySigns.at(static_cast<std::size_t>(row - 1)); }

int BurmeseEraYear(int year, int month, int day) {
    const bool beforeNewYear = month < 4 || (month == 4 && day <= 15);
    return year - (beforeNewYear ? 639 : 638);
}

std::array<std::string_view, 7> PlaceHousePlanets(int eraYear) {
    const int first = (eraYear % 7 + 7) % 7;
    std::array<std::string_view, 7> planets;
    for (int house = 0; house < 7; ++house) planets[house] = kHousePlanets[(first + 3 * house) % 7];
    return planets;
}

void LoadHouseTexts(HouseTexts& texts) {
    for (int house = 1; house <= 7; ++house) {
        texts.HouseName[house - 1] = kHouses[house - 1].name;
        texts.HouseDescription[house - 1] = HouseDescriptionText(house);
    }
}

std::string_view HouseBoxCaption(int house) {
    return IsHouse(house) ? kHouses[house - 1].caption : std::string_view();
}

std::string HouseChartLegend() {
    return std::string(Translated("Readings", "Houses 1,2,6 indicates problem in life.")) +
           std::string(60, ' ') +
           std::string(Translated("Readings",
                                  "Houses 3,4,5,7 indicates happiness and Prosperity in life.")) +
           std::string(86, ' ') +
           std::string(Translated(
               "Readings", "Hold Your Mouse On The House To Know The Description Of That House."));
}

HouseHover HouseHoverTexts(const HouseTexts& texts, std::optional<int> house) {
    if (house && IsHouse(*house)) {
        return {texts.HouseName[*house - 1], texts.HouseDescription[*house - 1]};
    }
    return {std::string(), HouseChartLegend()};
}

}  // namespace oriastra
