#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "indonesian/WetonTexts.h"
#include "indonesian/modJavaneseAstrology.h"

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

// 1 January 2000 was a Legi (index 3).
std::string_view MarketDayByCount(const year_month_day& date) {
    const int days = (sys_days{date} - sys_days{2000y / January / 1}).count();
    return kMarket[static_cast<std::size_t>(((days + 3) % 5 + 5) % 5)];
}

WetonReading WetonOf(const year_month_day& date) {
    return CalculateWeton(static_cast<std::int16_t>(int(date.year())),
                          kMonths[unsigned(date.month()) - 1],
                          static_cast<std::int16_t>(unsigned(date.day())));
}

std::string Title(const year_month_day& date) {
    return std::to_string(unsigned(date.day())) + " " + kMonths[unsigned(date.month()) - 1] + " " +
           std::to_string(int(date.year()));
}

TEST(CalculateWeton, EveryDateFrom1901To2036MatchesTheCivilCalendar) {
    int dates = 0;
    for (sys_days day = sys_days{1901y / January / 1}; day <= sys_days{2036y / December / 31};
         day += days{1}, ++dates) {
        const year_month_day date{day};
        const WetonReading weton = WetonOf(date);
        const unsigned dayOfWeek = weekday{day}.c_encoding();
        SCOPED_TRACE(Title(date));
        ASSERT_EQ(weton.englishWeekday, kEnglish[dayOfWeek]);
        ASSERT_EQ(weton.javaneseWeekday, kJavanese[dayOfWeek]);
        ASSERT_EQ(weton.marketDay, MarketDayByCount(date));
        ASSERT_EQ(weton.reading, WetonText(weton.javaneseWeekday, weton.marketDay));
        ASSERT_FALSE(weton.reading.empty());
    }
    EXPECT_EQ(dates, 49674);
}

// Without a weekday row, 1900 counts every month as starting on a Sunday; its market days are
// still right, since the market-day table reaches one year further back.
TEST(CalculateWeton, Year1900HasSundayMonthsAndTrueMarketDays) {
    for (sys_days day = sys_days{1900y / January / 1}; day <= sys_days{1900y / December / 31};
         day += days{1}) {
        const year_month_day date{day};
        const WetonReading weton = WetonOf(date);
        SCOPED_TRACE(Title(date));
        ASSERT_EQ(weton.englishWeekday, kEnglish[(unsigned(date.day()) + 6) % 7]);
        ASSERT_EQ(weton.marketDay, MarketDayByCount(date));
    }
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
        DateCase{"Anchor2000", 2000, "January", 1, "Saturday", "Sabtu", "Legi"},
        DateCase{"LeapDay2000", 2000, "February", 29, "Tuesday", "Selasa", "Kliwon"},
        DateCase{"LeapDay1980", 1980, "February", 29, "Friday", "Jumat", "Kliwon"},
        DateCase{"LastDayOfTheTables", 2036, "December", 31, "Wednesday", "Rabu", "Kliwon"},
        // Outside the tables, or with a month in other letters, both offsets are 0.
        DateCase{"FirstDayAfterTheTables", 2037, "January", 1, "Sunday", "Minggu", "Wage"},
        DateCase{"YearBefore1900", 1899, "July", 4, "Wednesday", "Rabu", "Pahing"},
        DateCase{"MonthInSmallLetters", 2000, "january", 1, "Sunday", "Minggu", "Wage"},
        DateCase{"MonthNotAName", 1980, "Feb", 29, "Sunday", "Minggu", "Pahing"},
        // Days no list offers: the sums' ranges decide, in 16 bits or not.
        DateCase{"Day0IsNoWeekdayButPon", 2037, "May", 0, "", "", "Pon"},
        DateCase{"Day35", 2037, "May", 35, "Saturday", "Sabtu", "Pon"},
        DateCase{"Day36HasNoMarketDay", 2037, "May", 36, "Sunday", "Minggu", ""},
        DateCase{"WeekdaySum37", 2036, "January", 35, "Monday", "Senin", ""},
        DateCase{"WeekdaySum38", 2036, "January", 36, "", "", ""},
        DateCase{"MarketSum35", 2036, "January", 34, "Sunday", "Minggu", "Pon"},
        DateCase{"NegativeDay", 2037, "March", -1, "", "", ""},
        DateCase{"LargestDay", 2000, "December", 32767, "", "", ""}),
    [](const auto& info) { return info.param.title; });

TEST(InitialWetonReading, EveryLabelReadsJavaneseResult) {
    EXPECT_EQ(InitialWetonReading(),
              (WetonReading{"Javanese Result", "Javanese Result", "Javanese Result",
                            "Javanese Result"}));
}

}  // namespace
}  // namespace oriastra
