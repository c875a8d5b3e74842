#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <string>
#include <string_view>

#include "tibetan/logic/TibetanTexts.h"
#include "tibetan/logic/modTibetanAstrology.h"

namespace oriastra {
namespace {

constexpr std::string_view kLang = "L\xC3\xA4ng";
constexpr std::string_view kShu = "Sh\xC3\xBC";

struct MonthCase {
    std::string_view month;
    int lastEarlyDay;
    std::string_view early;
    std::string_view late;
    friend void PrintTo(const MonthCase& row, std::ostream* os) { *os << row.month; }
};

class SunSignDateRule : public ::testing::TestWithParam<MonthCase> {};

TEST_P(SunSignDateRule, SplitDayAndNeighbourAndMonthEnds) {
    const MonthCase& c = GetParam();
    EXPECT_EQ(TibetanSunSign(c.month, 1), c.early);
    EXPECT_EQ(TibetanSunSign(c.month, c.lastEarlyDay), c.early);
    EXPECT_EQ(TibetanSunSign(c.month, c.lastEarlyDay + 1), c.late);
    EXPECT_EQ(TibetanSunSign(c.month, 31), c.late);
}

INSTANTIATE_TEST_SUITE_P(
    EveryMonth, SunSignDateRule,
    ::testing::Values(
        MonthCase{"January", 12, kShu, "Chusin"}, MonthCase{"February", 11, "Chusin", "Bhumpa"},
        MonthCase{"March", 12, "Bhumpa", "Nya"}, MonthCase{"April", 11, "Nya", "Lug"},
        MonthCase{"May", 12, "Lug", kLang}, MonthCase{"June", 12, kLang, "Khrig"},
        MonthCase{"July", 13, "Khrig", "Kata"}, MonthCase{"August", 13, "Kata", "Senge"},
        MonthCase{"September", 14, "Senge", "Bhumo"}, MonthCase{"October", 13, "Bhumo", "Sang"},
        MonthCase{"November", 14, "Sang", "Dhig"}, MonthCase{"December", 14, "Dhig", kShu}),
    [](const auto& info) { return std::string(info.param.month); });

TEST(TibetanSunSign, NoSignForAnythingButAnExactMonthName) {
    for (std::string_view month : {"january", "MARCH", " May", "May ", "Sept", ""}) {
        EXPECT_FALSE(TibetanSunSign(month, 10)) << '"' << month << '"';
    }
}

// The date's sign brings its row: western sign, translation, text and picture number.
TEST(CalculateTibetanReading, SunSignFieldsComeFromTheSignsRow) {
    const struct {
        const char* month;
        std::string_view tibetan, western, translation;
        int picture;
    } cases[] = {{"May", kLang, "Taurus", "Two Bulls in plough", 2},
                 {"March", "Nya", "Pisces", "Fish", 12}};
    for (const auto& c : cases) {
        const TibetanReading reading =
            CalculateTibetanReading({"A", 1990, c.month, 20, "Male"}, {});
        EXPECT_EQ(reading.tibetanSunSign, c.tibetan) << c.month;
        EXPECT_EQ(reading.westernSunSign, c.western) << c.month;
        EXPECT_EQ(reading.translation, c.translation) << c.month;
        EXPECT_EQ(reading.sunSignPicture, c.picture) << c.month;
        EXPECT_EQ(reading.westernSunSignText, WesternSignText(c.picture - 1)) << c.month;
    }
}

// The sixty-year cycle counted from another anchor: 1984 began Wood-Rat.
std::string CycleEntry(int year) {
    constexpr std::array<const char*, 5> elements = {"Wood", "Fire", "Earth", "Iron", "Water"};
    constexpr std::array<const char*, 12> animals = {"Rat",    "Ox",    "Tiger", "Hare",
                                                     "Dragon", "Snake", "Horse", "Sheep",
                                                     "Monkey", "Bird",  "Dog",   "Pig"};
    const int offset = ((year - 1984) % 60 + 60) % 60;
    return std::string(elements[(offset % 10) / 2]) + "-" + animals[offset % 12];
}

TEST(TibetanYearEntry, EveryYearInRangeFollowsTheSixtyYearCycle) {
    for (int year = kTibetanFirstYear; year <= kTibetanLastYear; ++year) {
        EXPECT_EQ(TibetanYearEntry(year), CycleEntry(year)) << year;
    }
}

TEST(TibetanYearEntry, KnownYears) {
    const std::pair<int, const char*> known[] = {
        {1930, "Iron-Horse"},  {1936, "Fire-Rat"},  {1950, "Iron-Tiger"}, {1990, "Iron-Horse"},
        {2000, "Iron-Dragon"}, {2017, "Fire-Bird"}, {2019, "Earth-Pig"},  {2030, "Iron-Dog"}};
    for (const auto& [year, entry] : known) EXPECT_EQ(TibetanYearEntry(year), entry) << year;
}

TEST(TibetanYearEntry, NothingOutsideTheRange) {
    for (int year : {0, 1929, 2031, -1930}) EXPECT_FALSE(TibetanYearEntry(year)) << year;
}

TibetanReading FilledReading() {
    return CalculateTibetanReading({"Prev", 1936, "July", 20, "Male"}, {});  // Kata, Fire-Rat
}

TEST(CalculateTibetanReading, YearGivesAnimalElementTextsAndPicture) {
    const TibetanReading reading = CalculateTibetanReading({"A", 2019, "May", 1, "Female"}, {});
    EXPECT_EQ(reading.animalSign, "Pig");
    EXPECT_EQ(reading.animalPicture, 12);
    EXPECT_EQ(reading.animalSignText, AnimalSignText(11));
    EXPECT_EQ(reading.element, "Earth");
    EXPECT_EQ(reading.elementText, ElementText(0));
    EXPECT_FALSE(reading.animalSignText.empty());
    EXPECT_FALSE(reading.elementText.empty());
}

TEST(CalculateTibetanReading, IronTextSpeaksOfMetal) {
    const TibetanReading reading = CalculateTibetanReading({"A", 1930, "May", 1, "Male"}, {});
    ASSERT_EQ(reading.element, "Iron");
    std::string lower(reading.elementText);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(lower.find("metal"), std::string::npos);
}

TEST(CalculateTibetanReading, UnknownMonthKeepsThePreviousSunSignOnly) {
    const TibetanReading previous = FilledReading();
    for (const char* month : {"july", "JULY", "", "Jul"}) {
        const TibetanReading reading =
            CalculateTibetanReading({"B", 2000, month, 5, "Male"}, previous);
        EXPECT_EQ(reading.tibetanSunSign, previous.tibetanSunSign) << month;
        EXPECT_EQ(reading.translation, previous.translation) << month;
        EXPECT_EQ(reading.westernSunSign, previous.westernSunSign) << month;
        EXPECT_EQ(reading.westernSunSignText, previous.westernSunSignText) << month;
        EXPECT_EQ(reading.sunSignPicture, previous.sunSignPicture) << month;
        EXPECT_EQ(reading.animalSign, "Dragon") << month;  // the year still counts
        EXPECT_EQ(reading.element, "Iron") << month;
    }
}

TEST(CalculateTibetanReading, YearOutOfRangeKeepsThePreviousYearFields) {
    const TibetanReading previous = FilledReading();
    for (std::int16_t year : {1929, 2031}) {
        const TibetanReading reading =
            CalculateTibetanReading({"B", year, "April", 20, "Male"}, previous);
        EXPECT_EQ(reading.animalSign, previous.animalSign) << year;
        EXPECT_EQ(reading.animalSignText, previous.animalSignText) << year;
        EXPECT_EQ(reading.animalPicture, previous.animalPicture) << year;
        EXPECT_EQ(reading.element, previous.element) << year;
        EXPECT_EQ(reading.elementText, previous.elementText) << year;
        EXPECT_EQ(reading.tibetanSunSign, "Lug") << year;  // the date still counts
    }
}

TEST(CalculateTibetanReading, SexChangesNothing) {
    const TibetanReading previous = FilledReading();
    const TibetanReading male =
        CalculateTibetanReading({"C", 1975, "October", 13, "Male"}, previous);
    const TibetanReading female =
        CalculateTibetanReading({"C", 1975, "October", 13, "Female"}, previous);
    EXPECT_EQ(male, female);
}

}  // namespace
}  // namespace oriastra
