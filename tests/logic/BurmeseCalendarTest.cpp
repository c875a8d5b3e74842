#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <string>
#include <string_view>

#include "burmese/logic/modEnglishCalender.h"
#include "common/logic/Months.h"

namespace oriastra {
namespace {

std::string WeekdayOf(int year, std::string_view month, int day, std::string before = "") {
    std::string weekday = std::move(before);
    FindBirthWeekday(static_cast<std::int16_t>(year), month, static_cast<std::int16_t>(day),
                     weekday);
    return weekday;
}

// std::chrono's civil calendar is the independent reference for every date of the list.
TEST(FindBirthWeekday, EveryDateFrom1901To2050MatchesTheGregorianCalendar) {
    using namespace std::chrono;
    int checked = 0;
    for (sys_days date = sys_days{1901y / January / 1}; date <= sys_days{2050y / December / 31};
         date += days{1}) {
        const year_month_day civil{date};
        const int year = static_cast<int>(civil.year());
        const std::string_view month = kMonthNames[static_cast<unsigned>(civil.month()) - 1];
        const int day = static_cast<int>(static_cast<unsigned>(civil.day()));
        const std::string_view expected = kWeekdayNames[weekday{date}.c_encoding()];
        ASSERT_EQ(WeekdayOf(year, month, day), expected) << day << ' ' << month << ' ' << year;
        ++checked;
    }
    EXPECT_EQ(checked, 54787);
}

TEST(FindBirthWeekday, KnownDates) {
    const struct {
        int year;
        std::string_view month;
        int day;
        std::string_view weekday;
    } dates[] = {
        {1901, "January", 1, "Tuesday"},   {2050, "December", 31, "Saturday"},
        {2000, "February", 29, "Tuesday"}, {2026, "December", 8, "Tuesday"},
    };
    for (const auto& date : dates) {
        EXPECT_EQ(WeekdayOf(date.year, date.month, date.day), date.weekday)
            << date.day << ' ' << date.month << ' ' << date.year;
    }
}

// Outside the table, or for a month it does not know, every month begins on a Sunday.
TEST(FindBirthWeekday, UnknownYearOrMonthCountsFromSunday) {
    for (int year : {1900, 2051, 0, -1, SHRT_MIN, SHRT_MAX}) {
        for (std::string_view month : kMonthNames) {
            EXPECT_EQ(WeekdayOf(year, month, 1), "Sunday") << month << ' ' << year;
            EXPECT_EQ(WeekdayOf(year, month, 4), "Wednesday") << month << ' ' << year;
        }
    }
    // 1 May 1990 was a Tuesday; written any other way the month is not found.
    for (std::string_view month : {"may", "MAY", " May", "May ", "Mai", ""}) {
        EXPECT_EQ(WeekdayOf(1990, month, 1), "Sunday") << '"' << month << '"';
    }
}

TEST(FindBirthWeekday, SumsOutsideOneToThirtySevenLeaveTheWeekdayAsItWas) {
    const struct {
        const char* name;
        int year;
        std::string_view month;
        int day;
    } cases[] = {
        {"day 0 with offset 0", 1900, "January", 0},
        {"negative day", 1990, "May", -3},
        {"day 38 with offset 0", 1900, "January", 38},
        {"day 32 with offset 6", 1901, "June", 32},  // 1 June 1901 was a Saturday
        {"day 35 with offset 5 in 2050", 2050, "July", 35},
        {"largest day", 2050, "December", SHRT_MAX},
        {"smallest day", 2050, "December", SHRT_MIN},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(WeekdayOf(row.year, row.month, row.day, "Friday"), "Friday") << row.name;
        EXPECT_EQ(WeekdayOf(row.year, row.month, row.day), "") << row.name;
    }
    // Still inside the range: day 32 of a month that begins on a Sunday.
    EXPECT_EQ(WeekdayOf(1900, "January", 32, "Friday"), "Wednesday");
    EXPECT_EQ(WeekdayOf(1990, "May", 0, "Friday"), "Monday") << "offset 2, sum 2";
}

TEST(WeekdayOfSum, CyclesFromSundayAtOneAndStopsAfterThirtySeven) {
    const struct {
        std::string_view weekday;
        std::initializer_list<int> sums;
    } rows[] = {
        {"Sunday", {1, 8, 15, 22, 29, 36}},   {"Monday", {2, 9, 16, 23, 30, 37}},
        {"Tuesday", {3, 10, 17, 24, 31}},     {"Wednesday", {4, 11, 18, 25, 32}},
        {"Thursday", {5, 12, 19, 26, 33}},    {"Friday", {6, 13, 20, 27, 34}},
        {"Saturday", {7, 14, 21, 28, 35}},
    };
    int named = 0;
    for (const auto& row : rows) {
        for (int sum : row.sums) {
            EXPECT_EQ(WeekdayOfSum(sum), row.weekday) << sum;
            ++named;
        }
    }
    EXPECT_EQ(named, 37);
    for (int sum : {INT_MIN, -1, 0, 38, 39, 44, INT_MAX}) EXPECT_FALSE(WeekdayOfSum(sum)) << sum;
}

}  // namespace
}  // namespace oriastra
