#pragma once

namespace oriastra {

// The proleptic Gregorian calendar in small integer steps, for the traditions' table calendars
// (which are built from it at compile time and checked against their known rows).

constexpr bool IsGregorianLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Days from 1 March of year 0 to the first day of the month; years 1 to 9999, month 1..12.
// Counted from March, so the leap day is the last day of its counting year.
constexpr int DaysFromYearZero(int year, int month) {
    const int countingYear = month <= 2 ? year - 1 : year;   // 0..9999
    const int era = countingYear / 400;                       // 0..24
    const int yearOfEra = countingYear - era * 400;           // 0..399
    const int monthFromMarch = (month + 9) % 12;              // March 0 .. February 11
    const int dayOfYear = (153 * monthFromMarch + 2) / 5;     // 0..337
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

// Days from 1 January 2000 to the first day of the month (negative before it).
constexpr int DaysFromFirstOfJanuary2000(int year, int month) {
    return DaysFromYearZero(year, month) - DaysFromYearZero(2000, 1);
}

constexpr int Modulo(int value, int divisor) { return (value % divisor + divisor) % divisor; }

// The weekday of the month's first day, Sunday 0 .. Saturday 6 (1 January 2000 was a Saturday).
constexpr int WeekdayOfFirstDay(int year, int month) {
    return Modulo(DaysFromFirstOfJanuary2000(year, month) + 6, 7);
}

static_assert(DaysFromFirstOfJanuary2000(2000, 1) == 0);
static_assert(DaysFromFirstOfJanuary2000(2000, 3) == 60);
static_assert(DaysFromFirstOfJanuary2000(1999, 12) == -31);
static_assert(WeekdayOfFirstDay(1901, 1) == 2);  // a Tuesday
static_assert(WeekdayOfFirstDay(2026, 12) == 2);

}  // namespace oriastra
