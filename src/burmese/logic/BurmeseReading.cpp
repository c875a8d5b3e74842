#include "burmese/logic/BurmeseReading.h"

#include "burmese/logic/BurmeseTexts.h"
#include "burmese/logic/modBurmese.h"
#include "common/logic/Months.h"

namespace oriastra {

BurmeseReading InitialBurmeseReading() {
    BurmeseReading reading;
    reading.birthDay = "Birth Day";
    reading.luckyDirection = "Lucky Direction";
    reading.characteristic = "Intelligent, Hard Working, Organizers.";
    reading.birthDayPlanet = "Birth Day Planet";
    reading.planetDescription = DaySignPlanetText(1);
    reading.animalSign = "Animal Sign";
    // The window was first drawn with the Garuda paragraph short of its full stop.
    std::string_view animal = DaySignAnimalText(1);
    if (animal.ends_with('.')) animal.remove_suffix(1);
    reading.animalDescription = animal;
    reading.housePlanets.fill("moon");
    return reading;
}

int EraYearOf(const BirthDetails& details) {
    const int month = MonthIndex(details.month).value_or(0) + 1;
    return BurmeseEraYear(details.year, month, details.day);
}

void WriteBurmeseChart(BurmeseReading& reading, const BirthDetails& details,
                       std::string_view weekday, std::string_view afternoonAnswer) {
    if (const auto row = FindDaySign(weekday, AfternoonFromAnswer(afternoonAnswer))) {
        const DaySign& sign = DaySignRow(*row);
        reading.birthDay = sign.birthDay;
        reading.luckyDirection = sign.luckyDirection;
        reading.animalSign = sign.animalSign;
        reading.birthDayPlanet = sign.birthDayPlanet;
        reading.animalDescription = DaySignAnimalText(*row);
        reading.characteristic = sign.characteristic;
        reading.planetDescription = DaySignPlanetText(*row);
    } else if (weekday == kWednesday) {
        reading.birthDay = kWednesday;
    }
    const auto planets = PlaceHousePlanets(EraYearOf(details));
    for (std::size_t house = 0; house < planets.size(); ++house) {
        reading.housePlanets[house] = planets[house];
    }
}

}  // namespace oriastra
