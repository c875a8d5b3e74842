#pragma once
#include <array>
#include <string>
#include <string_view>

#include "common/logic/BirthDetails.h"

namespace oriastra {

// What the chart window shows: the day sign on the interpretation tab and the planet of each
// house on the chart tab. A fresh window starts from the initial captions. Every value is one of
// the program's own captions or table texts, so each is a view of it, never a copy.
struct BurmeseReading {
    std::string_view birthDay;
    std::string_view luckyDirection;
    std::string_view characteristic;
    std::string_view birthDayPlanet;
    std::string_view planetDescription;
    std::string_view animalSign;
    std::string_view animalDescription;
    std::array<std::string_view, 7> housePlanets;  // house 1 first
    friend bool operator==(const BurmeseReading&, const BurmeseReading&) = default;
};

BurmeseReading InitialBurmeseReading();

// The era year of the birth details (the month by its place in the month list).
int EraYearOf(const BirthDetails& details);

// The generate step once the weekday is found and a Wednesday answered: the day sign row, when
// one is taken, replaces the day sign; a Wednesday without a row changes only the birth day.
// The house planets always follow the era year.
void WriteBurmeseChart(BurmeseReading& reading, const BirthDetails& details,
                       std::string_view weekday, std::string_view afternoonAnswer);

}  // namespace oriastra
