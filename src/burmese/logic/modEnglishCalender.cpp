#include "burmese/logic/modEnglishCalender.h"

#include "common/logic/GregorianCalendar.h"
#include "common/logic/Months.h"

namespace oriastra {

namespace {

using MonthRow = std::array<int, 12>;

// Between 1901 and 2050 the calendar repeats every 28 years (2000 is a leap year, 1900 and 2100
// lie outside), so 28 groups of years share one row each.
constexpr int kGroups = 28;

// Row g belongs to the years 1901 + g, 1929 + g, ... up to 2050.
constexpr std::array<MonthRow, kGroups> BuildTable() {
    std::array<MonthRow, kGroups> table{};
    for (int group = 0; group < kGroups; ++group) {
        for (int month = 0; month < 12; ++month) {
            table[group][month] = WeekdayOfFirstDay(kCalendarFirstYear + group, month + 1);
        }
    }
    return table;
}

constexpr std::array<MonthRow, kGroups> kFirstWeekdays = BuildTable();

// The rows the calendar's users know by heart.
static_assert(kFirstWeekdays[0] == MonthRow{2, 5, 5, 1, 3, 6, 1, 4, 0, 2, 5, 0});   // 1901
static_assert(kFirstWeekdays[3] == MonthRow{5, 1, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4});   // 1904
static_assert(kFirstWeekdays[15] == MonthRow{6, 2, 3, 6, 1, 4, 6, 2, 5, 0, 3, 5});  // 1916
static_assert(kFirstWeekdays[24] == MonthRow{4, 0, 0, 3, 5, 1, 3, 6, 2, 4, 0, 2});  // 1925
static_assert(kFirstWeekdays[13] == MonthRow{4, 0, 0, 3, 5, 1, 3, 6, 2, 4, 0, 2});  // 1914
static_assert(IsGregorianLeapYear(2000) && !IsGregorianLeapYear(1900) &&
              !IsGregorianLeapYear(2100));

}  // namespace

int FirstWeekdayOffset(int year, std::string_view month) {
    if (year < kCalendarFirstYear || year > kCalendarLastYear) return 0;
    const auto index = MonthIndex(month);
    if (!index) return 0;
    return kFirstWeekdays[(year - kCalendarFirstYear) % kGroups][*index];
}

std::optional<std::string_view> WeekdayOfSum(int sum) {
    if (sum < 1 || sum > 37) return std::nullopt;
    return kWeekdayNames[(sum - 1) % 7];
}

void FindBirthWeekday(std::int16_t year, std::string_view month, std::int16_t day,
                      std::string& BirthWeekday) {
    // Widened before adding, so no day can overflow; any sum that large names no weekday.
    const int sum = int{day} + FirstWeekdayOffset(year, month);
    if (const auto weekday = WeekdayOfSum(sum)) BirthWeekday = *weekday;
}

}  // namespace oriastra
