#include "indonesian/logic/modJavaneseAstrology.h"

#include <cstddef>

#include "common/logic/GregorianCalendar.h"
#include "common/logic/Months.h"
#include "indonesian/logic/WetonTexts.h"

namespace oriastra {

namespace {

using MonthRow = std::array<std::int8_t, 12>;

// 1 January 2000 was a Legi (3); day 1 of a month is day 0 plus one.
constexpr int MarketDayOfDayZero(int year, int month) {
    return Modulo(DaysFromFirstOfJanuary2000(year, month) + 3 - 1, 5);
}

template <int FirstYear, int LastYear>
constexpr std::array<MonthRow, LastYear - FirstYear + 1> BuildRows(int (*offset)(int, int)) {
    std::array<MonthRow, LastYear - FirstYear + 1> rows{};
    for (int year = FirstYear; year <= LastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            rows[static_cast<std::size_t>(year - FirstYear)][static_cast<std::size_t>(month - 1)] =
                static_cast<std::int8_t>(offset(year, month));
        }
    }
    return rows;
}

constexpr auto kFirstWeekdayRows =
    BuildRows<kFirstWeekdayYear, kLastCalendarYear>(WeekdayOfFirstDay);
constexpr auto kFirstMarketDayRows =
    BuildRows<kFirstMarketDayYear, kLastCalendarYear>(MarketDayOfDayZero);

constexpr const MonthRow& WeekdayRow(int year) {
    return kFirstWeekdayRows[static_cast<std::size_t>(year - kFirstWeekdayYear)];
}
constexpr const MonthRow& MarketDayRow(int year) {
    return kFirstMarketDayRows[static_cast<std::size_t>(year - kFirstMarketDayYear)];
}

// Rows every almanac agrees on: a common year, two leap years, the 28- and 20-year repeats.
static_assert(WeekdayRow(1901) == MonthRow{2, 5, 5, 1, 3, 6, 1, 4, 0, 2, 5, 0});
static_assert(WeekdayRow(2013) == WeekdayRow(1901));
static_assert(WeekdayRow(2000) == MonthRow{6, 2, 3, 6, 1, 4, 6, 2, 5, 0, 3, 5});
static_assert(WeekdayRow(2036) == MonthRow{2, 5, 6, 2, 4, 0, 2, 5, 1, 3, 6, 1});
static_assert(MarketDayRow(1900) == MonthRow{3, 4, 2, 3, 3, 4, 4, 0, 1, 1, 2, 2});
static_assert(MarketDayRow(1903) == MarketDayRow(1900));
static_assert(MarketDayRow(1904) == MonthRow{3, 4, 3, 4, 4, 0, 0, 1, 2, 2, 3, 3});
static_assert(MarketDayRow(2024) == MarketDayRow(1904));
static_assert(MarketDayRow(2036) == MonthRow{1, 2, 1, 2, 2, 3, 3, 4, 0, 0, 1, 1});

int Offset(const MonthRow& row, std::string_view month) {
    const auto index = MonthIndex(month);
    return index ? row[static_cast<std::size_t>(*index)] : 0;
}

}  // namespace

WetonReading InitialWetonReading() {
    return {kJavaneseResultCaption, kJavaneseResultCaption, kJavaneseResultCaption,
            kJavaneseResultCaption};
}

int JavaneseFirstWeekdayOffset(int year, std::string_view month) {
    if (year < kFirstWeekdayYear || year > kLastCalendarYear) return 0;
    return Offset(WeekdayRow(year), month);
}

int JavaneseFirstMarketDayOffset(int year, std::string_view month) {
    if (year < kFirstMarketDayYear || year > kLastCalendarYear) return 0;
    return Offset(MarketDayRow(year), month);
}

WetonReading CalculateWeton(std::int16_t year, std::string_view month, std::int16_t day) {
    WetonReading weton;
    // Summed in int, so even a day of 32767 cannot overflow; such sums are simply out of range.
    const int weekdaySum = JavaneseFirstWeekdayOffset(year, month) + day;
    if (weekdaySum >= 1 && weekdaySum <= 37) {
        const auto number = static_cast<std::size_t>(weekdaySum % 7);
        weton.englishWeekday = kEnglishWeekdays[number];
        weton.javaneseWeekday = kJavaneseWeekdays[number];
    }
    const int marketSum = JavaneseFirstMarketDayOffset(year, month) + day;
    if (marketSum >= 0 && marketSum <= 35) {
        weton.marketDay = kMarketDays[static_cast<std::size_t>(marketSum % 5)];
    }
    weton.reading = WetonText(weton.javaneseWeekday, weton.marketDay);
    return weton;
}

}  // namespace oriastra
