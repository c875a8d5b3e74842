#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "indonesian/logic/WetonTexts.h"
#include "indonesian/logic/modJavaneseAstrology.h"

namespace oriastra {
namespace {

using namespace std::chrono;

// Independent of the module's tables: indexed by std::chrono's encoding, Sunday = 0.
constexpr std::array<std::string_view, 7> kEnglish = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                      "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 7> kJavanese = {"Minggu", "Senin", "Selasa", "Rabu",
                                                       "Kemis",  "Jumat", "Sabtu"};
constexpr std::array<std::string_view, 5> kMarket = {"Pon", "Wage", "Kliwon", "Legi", "Pahing"};
constexpr std::array<const char*, 12> kMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// Every date from 1900 on: the civil weekday (1900 has no weekday row, so there every month
// starts on a Sunday) and the market day counted from 1 January 2000, a Legi (index 3).
TEST(CalculateWeton, EveryDateFrom1900To2036MatchesTheCivilCalendar) {
    const sys_days anchor = sys_days{2000y / January / 1};
    int dates = 0;
    for (sys_days day = sys_days{1900y / January / 1}; day <= sys_days{2036y / December / 31};
         day += days{1}, ++dates) {
        const year_month_day date{day};
        const unsigned dayOfMonth = unsigned(date.day());
        const WetonReading weton =
            CalculateWeton(static_cast<std::int16_t>(int(date.year())),
                           kMonths[unsigned(date.month()) - 1], static_cast<std::int16_t>(dayOfMonth));
        const unsigned weekdayIndex =
            date.year() == 1900y ? (dayOfMonth + 6) % 7 : weekday{day}.c_encoding();
        const int count = (day - anchor).count();
        SCOPED_TRACE(std::to_string(dayOfMonth) + " " + kMonths[unsigned(date.month()) - 1] + " " +
                     std::to_string(int(date.year())));
        ASSERT_EQ(weton.englishWeekday, kEnglish[weekdayIndex]);
        ASSERT_EQ(weton.javaneseWeekday, kJavanese[weekdayIndex]);
        ASSERT_EQ(weton.marketDay, kMarket[static_cast<std::size_t>(((count + 3) % 5 + 5) % 5)]);
        ASSERT_EQ(weton.reading, WetonText(weton.javaneseWeekday, weton.marketDay));
        ASSERT_FALSE(weton.reading.empty());
    }
    EXPECT_EQ(dates, 365 + 49674);
}

struct DateCase {
    std::string title;
    int year;
    std::string month;
    int day;
    std::string_view english;
    std::string_view javanese;
    std::string_view market;
    friend void PrintTo(const DateCase& row, std::ostream* os) { *os << row.title; }
};

class KnownWetons : public ::testing::TestWithParam<DateCase> {};

TEST_P(KnownWetons, GiveTheirNamesAndReading) {
    const DateCase& c = GetParam();
    const WetonReading weton = CalculateWeton(static_cast<std::int16_t>(c.year), c.month,
                                              static_cast<std::int16_t>(c.day));
    EXPECT_EQ(weton.englishWeekday, c.english);
    EXPECT_EQ(weton.javaneseWeekday, c.javanese);
    EXPECT_EQ(weton.marketDay, c.market);
    EXPECT_EQ(weton.reading, WetonText(c.javanese, c.market));
    EXPECT_EQ(weton.reading.empty(), c.javanese.empty() || c.market.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, KnownWetons,
    ::testing::Values(
        DateCase{"FirstDayOfTheYearList", 1901, "January", 1, "Tuesday", "Selasa", "Pahing"},
        DateCase{"IndependenceDay1945", 1945, "August", 17, "Friday", "Jumat", "Legi"},
        DateCase{"LeapDay2000", 2000, "February", 29, "Tuesday", "Selasa", "Kliwon"},
        DateCase{"LastDayOfTheTables", 2036, "December", 31, "Wednesday", "Rabu", "Kliwon"},
        // Outside the tables, or with a month in other letters, both offsets are 0.
        DateCase{"FirstDayAfterTheTables", 2037, "January", 1, "Sunday", "Minggu", "Wage"},
        DateCase{"YearBefore1900", 1899, "July", 4, "Wednesday", "Rabu", "Pahing"},
        DateCase{"MonthInSmallLetters", 2000, "january", 1, "Sunday", "Minggu", "Wage"},
        // Days no list offers: the sums' ranges decide (weekday 1 to 37, market day 0 to 35).
        DateCase{"Day0IsNoWeekdayButPon", 2037, "May", 0, "", "", "Pon"},
        DateCase{"Day36HasNoMarketDay", 2037, "May", 36, "Sunday", "Minggu", ""},
        DateCase{"WeekdaySum37", 2036, "January", 35, "Monday", "Senin", ""},
        DateCase{"WeekdaySum38", 2036, "January", 36, "", "", ""},
        DateCase{"MarketSum35", 2036, "January", 34, "Sunday", "Minggu", "Pon"},
        DateCase{"NegativeDay", 2037, "March", -1, "", "", ""},
        DateCase{"LargestDay", 2000, "December", 32767, "", "", ""}),
    [](const auto& info) { return info.param.title; });

}  // namespace
}  // namespace oriastra
