#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/logic/TranslatedText.h"

namespace oriastra {

// Indexed by the weekday number, the weekday sum modulo 7: 0 is Saturday, 1 Sunday.
inline constexpr std::array<std::string_view, 7> kEnglishWeekdays = {
    "Saturday", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};
inline constexpr std::array<std::string_view, 7> kJavaneseWeekdays = {
    "Sabtu", "Minggu", "Senin", "Selasa", "Rabu", "Kemis", "Jumat"};

// The five-day market week; each date's index is one more than the day before's, modulo 5.
inline constexpr std::array<std::string_view, 5> kMarketDays = {"Pon", "Wage", "Kliwon", "Legi",
                                                                "Pahing"};

// The years each calendar table holds; the input window's year list is the shorter range.
inline constexpr int kFirstWeekdayYear = 1901;
inline constexpr int kFirstMarketDayYear = 1900;
inline constexpr int kLastCalendarYear = 2036;

// What the reading window's four result labels show before any calculation.
inline constexpr std::string_view kJavaneseResultCaption =
    ORIASTRA_TEXT("Readings", "Javanese Result");

// One weton, in the order of the reading window's result labels. All texts UTF-8.
// Every value is one of the program's own names, captions or texts: a view of it, never a copy.
struct WetonReading {
    std::string_view marketDay;
    std::string_view javaneseWeekday;
    std::string_view englishWeekday;
    std::string_view reading;
    friend bool operator==(const WetonReading&, const WetonReading&) = default;
};

// Every field reads "Javanese Result".
WetonReading InitialWetonReading();

// Weekday of the month's first day counted from Sunday = 0, for 1901 to 2036. Any other year,
// or a month text that is not exactly an English month name ("january" is not), gives 0.
int JavaneseFirstWeekdayOffset(int year, std::string_view month);

// Market-day index of the month's "day 0", so day n has index (offset + n) modulo 5; the cycle
// is anchored at 1 January 2000 = Legi. 1900 to 2036; anything else gives 0.
int JavaneseFirstMarketDayOffset(int year, std::string_view month);

// The weton of a date. A weekday sum (offset + day) outside 1 to 37 leaves both weekday names
// empty, a market-day sum outside 0 to 35 leaves the market day empty; either gap leaves the
// reading empty. Every real date of 1901 to 2036 lies inside both ranges.
WetonReading CalculateWeton(std::int16_t year, std::string_view month, std::int16_t day);

}  // namespace oriastra
