#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "burmese/logic/BurmeseReading.h"
#include "burmese/logic/BurmeseTexts.h"
#include "burmese/logic/modBurmese.h"
#include "burmese/logic/modEnglishCalender.h"

namespace oriastra {
namespace {

BirthDetails Born(int day, const char* month, int year) {
    return {"ANN", static_cast<std::int16_t>(year), month, static_cast<std::int16_t>(day), ""};
}

// The whole generate step after the question: weekday, day sign and houses.
BurmeseReading Chart(const BirthDetails& details, std::string_view answer = "") {
    std::string weekday;
    FindBirthWeekday(details.year, details.month, details.day, weekday);
    BurmeseReading reading = InitialBurmeseReading();
    WriteBurmeseChart(reading, details, weekday, answer);
    return reading;
}

struct DaySignCase {
    const char* name;
    BirthDetails born;
    std::string_view answer;
    int row;
    std::string_view birthDay, direction, animal, planet;
};

class DaySignOfADate : public ::testing::TestWithParam<DaySignCase> {};

TEST_P(DaySignOfADate, FillsEveryDaySignField) {
    const DaySignCase& c = GetParam();
    const BurmeseReading reading = Chart(c.born, c.answer);
    EXPECT_EQ(reading.birthDay, c.birthDay);
    EXPECT_EQ(reading.luckyDirection, c.direction);
    EXPECT_EQ(reading.animalSign, c.animal);
    EXPECT_EQ(reading.birthDayPlanet, c.planet);
    EXPECT_EQ(reading.characteristic, DaySignRow(c.row).characteristic);
    EXPECT_EQ(reading.animalDescription, DaySignAnimalText(c.row));
    EXPECT_EQ(reading.planetDescription, DaySignPlanetText(c.row));
}

// One date per weekday of December 2026 (the 6th is a Sunday); the Wednesday both ways.
INSTANTIATE_TEST_SUITE_P(
    EveryRow, DaySignOfADate,
    ::testing::Values(
        DaySignCase{"Sunday", Born(6, "December", 2026), "", 1, "Sunday", "NorthEast", "Garuda", "Sun"},
        DaySignCase{"Monday", Born(7, "December", 2026), "", 2, "Monday", "East", "Tiger", "Moon"},
        DaySignCase{"Tuesday", Born(8, "December", 2026), "", 3, "Tuesday", "SouthEast", "Lion", "Mars"},
        DaySignCase{"WednesdayMorning", Born(9, "December", 2026), "False", 4, "Wednesday", "South", "Elephant", "Mercury"},
        DaySignCase{"WednesdayAfternoon", Born(9, "December", 2026), "True", 5, "Wednesday", "NorthWest", "Tuskless Elephant", "Rahu"},
        DaySignCase{"Thursday", Born(10, "December", 2026), "", 6, "Thursday", "West", "Rat", "Jupiter"},
        DaySignCase{"Friday", Born(11, "December", 2026), "True", 7, "Friday", "North", "Guinea Pig", "Venus"},
        DaySignCase{"Saturday", Born(12, "December", 2026), "False", 8, "Saturday", "SouthWest", "Dragon", "Saturn"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindDaySign, AnswerDecidesOnlyForWednesday) {
    const struct {
        std::string_view weekday;
        std::optional<bool> afternoon;
        std::optional<int> row;
    } cases[] = {
        {"Wednesday", true, 5},       {"Wednesday", false, 4},     {"Wednesday", std::nullopt, std::nullopt},
        {"Thursday", true, 6},        {"Thursday", false, 6},      {"Thursday", std::nullopt, 6},
        {"wednesday", true, std::nullopt}, {"Sun", std::nullopt, std::nullopt}, {"", false, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindDaySign(c.weekday, c.afternoon), c.row) << '"' << c.weekday << '"';
    }
}

// A Wednesday record without a usable answer: the birth day changes, the rest keeps the
// window's initial captions; the houses are still placed.
TEST(WriteBurmeseChart, UndecidedWednesdayChangesOnlyTheBirthDay) {
    BurmeseReading expected = InitialBurmeseReading();
    expected.birthDay = "Wednesday";
    expected.housePlanets = {"Moon", "Jupiter", "Sun", "Mercury", "Saturn", "Mars", "Venus"};
    EXPECT_EQ(Chart(Born(9, "December", 2026), "maybe"), expected);
    // The window was first drawn with the Garuda paragraph short of its full stop.
    EXPECT_EQ(std::string(expected.animalDescription) + ".", DaySignAnimalText(1));
    EXPECT_EQ(expected.characteristic, "Intelligent, Hard Working, Organizers.");
}

TEST(WriteBurmeseChart, RowReplacesAnEarlierReadingEntirely) {
    BurmeseReading reading = Chart(Born(9, "December", 2026), "True");
    WriteBurmeseChart(reading, Born(8, "December", 2026), "Tuesday", "True");
    EXPECT_EQ(reading, Chart(Born(8, "December", 2026)));
}

TEST(BurmeseEraYear, NewYearOnSixteenthOfApril) {
    const struct {
        int year, month, day, era;
    } cases[] = {
        {1901, 1, 1, 1262},   {1990, 4, 15, 1351}, {1990, 4, 16, 1352}, {2000, 1, 1, 1361},
        {2000, 3, 31, 1361},  {2000, 4, 30, 1362}, {2000, 5, 1, 1362},  {2026, 12, 8, 1388},
        {2050, 12, 31, 1412}, {1999, 12, 31, 1361},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BurmeseEraYear(c.year, c.month, c.day), c.era)
            << c.day << '/' << c.month << '/' << c.year;
    }
    EXPECT_EQ(EraYearOf(Born(15, "April", 1990)), 1351);
    EXPECT_EQ(EraYearOf(Born(16, "April", 1990)), 1352);
}

using Houses = std::array<std::string_view, 7>;

TEST(PlaceHousePlanets, TheSevenArrangements) {
    const Houses byRemainder[] = {
        {"Saturn", "Mars", "Venus", "Moon", "Jupiter", "Sun", "Mercury"},
        {"Sun", "Mercury", "Saturn", "Mars", "Venus", "Moon", "Jupiter"},
        {"Moon", "Jupiter", "Sun", "Mercury", "Saturn", "Mars", "Venus"},
        {"Mars", "Venus", "Moon", "Jupiter", "Sun", "Mercury", "Saturn"},
        {"Mercury", "Saturn", "Mars", "Venus", "Moon", "Jupiter", "Sun"},
        {"Jupiter", "Sun", "Mercury", "Saturn", "Mars", "Venus", "Moon"},
        {"Venus", "Moon", "Jupiter", "Sun", "Mercury", "Saturn", "Mars"},
    };
    for (int era = 1262; era <= 1412; ++era) {
        const Houses houses = PlaceHousePlanets(era);
        EXPECT_EQ(houses, byRemainder[era % 7]) << era;
    }
    // 8 December 2026: era 1388, remainder 2.
    const BurmeseReading reading = Chart(Born(8, "December", 2026));
    EXPECT_TRUE(std::equal(reading.housePlanets.begin(), reading.housePlanets.end(),
                           byRemainder[2].begin()));
}

TEST(HouseTexts, NamesDescriptionsAndBoxCaptions) {
    HouseTexts texts;
    LoadHouseTexts(texts);
    const HouseTexts first = texts;
    LoadHouseTexts(texts);
    EXPECT_EQ(texts.HouseName, first.HouseName) << "loading again changes nothing";
    const std::array<std::string_view, 7> names = {
        "The House of Impermanence", "The House of Extremity",     "House of Fame",
        "House of Wealth",           "House van Kingly Position", "The House of Sickly",
        "House of the Leader"};
    for (int house = 1; house <= 7; ++house) {
        SCOPED_TRACE(house);
        EXPECT_EQ(texts.HouseName[house - 1], names[house - 1]);
        EXPECT_EQ(texts.HouseDescription[house - 1], HouseDescriptionText(house));
        // Every box says "The House ...", where some names drop the "The".
        const std::string& name = texts.HouseName[house - 1];
        const std::string caption(HouseBoxCaption(house));
        EXPECT_TRUE(caption == name || caption == "The " + name) << caption;
    }
    EXPECT_EQ(HouseBoxCaption(3), "The House of Fame");
    EXPECT_EQ(HouseBoxCaption(5), "The House van Kingly Position");
    EXPECT_EQ(HouseBoxCaption(0), "");
    EXPECT_EQ(HouseBoxCaption(8), "");
}

TEST(HouseChartLegend, SentencesSeparatedByRunsOfSixtyAndEightySixSpaces) {
    EXPECT_EQ(HouseChartLegend(),
              "Houses 1,2,6 indicates problem in life." + std::string(60, ' ') +
                  "Houses 3,4,5,7 indicates happiness and Prosperity in life." +
                  std::string(86, ' ') +
                  "Hold Your Mouse On The House To Know The Description Of That House.");
}

}  // namespace
}  // namespace oriastra
