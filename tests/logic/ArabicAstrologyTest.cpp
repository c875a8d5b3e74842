#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "arabic/logic/ArabicTexts.h"
#include "arabic/logic/modArabicAstrology.h"

namespace oriastra {
namespace {

// A month's sign before and from its first day F, as the date rule is stated.
struct Boundary {
    std::string_view month;
    std::int16_t firstDay;
    std::string_view earlier;
    std::string_view later;
    friend void PrintTo(const Boundary& row, std::ostream* os) { *os << row.month; }
};

class WesternSunSignBoundary : public ::testing::TestWithParam<Boundary> {};

TEST_P(WesternSunSignBoundary, BothSidesOfTheFirstDayAndTheMonthEnds) {
    const Boundary& b = GetParam();
    EXPECT_EQ(FindWesternSunSign(b.month, 1), b.earlier);
    EXPECT_EQ(FindWesternSunSign(b.month, static_cast<std::int16_t>(b.firstDay - 1)), b.earlier);
    EXPECT_EQ(FindWesternSunSign(b.month, b.firstDay), b.later);
    EXPECT_EQ(FindWesternSunSign(b.month, 31), b.later) << "the day is not checked here";
}

// From March on every sign begins on the 21st, Leo to Capricorn included.
INSTANTIATE_TEST_SUITE_P(
    EveryMonth, WesternSunSignBoundary,
    ::testing::Values(Boundary{"January", 20, "Capricorn", "Aquarius"},
                      Boundary{"February", 19, "Aquarius", "Pisces"},
                      Boundary{"March", 21, "Pisces", "Aries"},
                      Boundary{"April", 21, "Aries", "Taurus"},
                      Boundary{"May", 21, "Taurus", "Gemini"},
                      Boundary{"June", 21, "Gemini", "Cancer"},
                      Boundary{"July", 21, "Cancer", "Leo"},
                      Boundary{"August", 21, "Leo", "Virgo"},
                      Boundary{"September", 21, "Virgo", "Libra"},
                      Boundary{"October", 21, "Libra", "Scorpio"},
                      Boundary{"November", 21, "Scorpio", "Sagittarius"},
                      Boundary{"December", 21, "Sagittarius", "Capricorn"}),
    [](const auto& info) { return std::string(info.param.month); });

TEST(FindWesternSunSign, NoSignForAnythingButAnExactMonthName) {
    for (std::string_view month : {"march", "MARCH", " March", "March ", "Mar", "", "Marchx"}) {
        EXPECT_FALSE(FindWesternSunSign(month, 25)) << '"' << month << '"';
    }
}

struct SignRow {
    std::string_view western;
    std::string_view arabic;
    std::string_view phonetic;
};

// The names exactly as the table has always had them, "Addalw" and "Ad Halw" included.
constexpr std::array<SignRow, 12> kRows = {{
    {"Aries", "Hamal", "Al Haml"},
    {"Taurus", "Sawar", "Athawr"},
    {"Gemini", "Jawza", "Al Hauza"},
    {"Cancer", "Saratan", "Assaratan"},
    {"Leo", "Asad", "Al Asad"},
    {"Virgo", "Sunbula", "Addalw"},
    {"Libra", "Maizan", "Al Hizan"},
    {"Scorpio", "Aqrab", "Al Aqrab"},
    {"Sagittarius", "Quos", "Al Haus"},
    {"Capricorn", "Jadee", "Al Hadiy"},
    {"Aquarius", "Dalwa", "Ad Halw"},
    {"Pisces", "Hood", "Al Hut"},
}};

// Each western name finding its own row also shows that no name stands in two rows.
TEST(FindArabicSign, EachWesternNameGivesItsRowWithPicturesAndDescription) {
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        SCOPED_TRACE(std::string(kRows[row].western));
        const auto reading = FindArabicSign(kRows[row].western);
        ASSERT_TRUE(reading);
        EXPECT_EQ(reading->westernName, kRows[row].western);
        EXPECT_EQ(reading->arabicName, kRows[row].arabic);
        EXPECT_EQ(reading->phoneticName, kRows[row].phonetic);
        EXPECT_EQ(reading->description, ArabicSignText(static_cast<int>(row)));
        EXPECT_FALSE(reading->description.empty());
        EXPECT_EQ(reading->urduNamePicture, static_cast<int>(row) + 1);
        EXPECT_EQ(reading->zodiacPicture, static_cast<int>(row) + 1);
    }
}

TEST(FindArabicSign, OnlyAnExactWesternNameHasARow) {
    for (std::string_view name : {"", "aries", "Aries ", "Hamal", "Label1", "Ram"}) {
        EXPECT_FALSE(FindArabicSign(name)) << '"' << name << '"';
    }
}

TEST(StoreWesternSunSign, AKnownMonthReplacesTheSignAnUnknownOneKeepsIt) {
    const struct {
        const char* what;
        std::string kept;
        std::string_view month;
        std::int16_t day;
        std::string_view expected;
    } cases[] = {
        {"first reading", "", "January", 19, "Capricorn"},
        {"a new date replaces the old sign", "Leo", "January", 20, "Aquarius"},
        {"29 February gives Pisces", "", "February", 29, "Pisces"},
        {"an unknown month keeps the sign", "Leo", "Jan", 20, "Leo"},
        {"an unknown month before any reading leaves it empty", "", "", 5, ""},
    };
    for (const auto& c : cases) {
        ArabicState state{c.kept};
        StoreWesternSunSign(state, c.month, c.day);
        EXPECT_EQ(state.WesternSunSign, c.expected) << c.what;
    }
}

}  // namespace
}  // namespace oriastra
