#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <string>
#include <string_view>

#include "african/logic/AfricanTexts.h"
#include "african/logic/modAfricanAstrology.h"

namespace oriastra {
namespace {

using namespace std::chrono;

constexpr std::array<std::string_view, 12> kEnglishMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// The signs' day spans, both ends inclusive, as the tradition states them.
struct Span {
    int sign;
    month_day first;
    month_day last;
};
constexpr std::array<Span, 12> kSpans = {{
    {0, December / 4, January / 3},   {1, January / 4, February / 3},
    {2, February / 4, March / 5},     {3, March / 6, April / 4},
    {4, April / 5, May / 4},          {5, May / 5, June / 4},
    {6, June / 5, July / 4},          {7, July / 5, August / 4},
    {8, August / 5, September / 3},   {9, September / 4, October / 3},
    {10, October / 4, November / 3},  {11, November / 4, December / 3},
}};

bool InSpan(const Span& span, month_day date) {
    if (span.first <= span.last) return span.first <= date && date <= span.last;
    return date >= span.first || date <= span.last;  // the span that crosses the new year
}

std::string Named(year_month_day date) {
    return std::to_string(static_cast<unsigned>(date.day())) + " " +
           std::string(kEnglishMonths[static_cast<unsigned>(date.month()) - 1]);
}

// 1980 is a leap year, so 29 February is walked too; the sign changes on the first day of each
// span and nowhere else.
TEST(FindAfricanSign, EveryDayOfALeapYearFallsInItsSpan) {
    int changes = 0;
    int previous = -1;
    for (sys_days day = sys_days{1980y / January / 1}; day <= sys_days{1980y / December / 31};
         day += days{1}) {
        const year_month_day date{day};
        const month_day monthDay = date.month() / date.day();
        int expected = -1;
        for (const Span& span : kSpans) {
            if (!InSpan(span, monthDay)) continue;
            EXPECT_EQ(expected, -1) << Named(date) << " lies in two spans";
            expected = span.sign;
        }
        const int found =
            FindAfricanSign(kEnglishMonths[static_cast<unsigned>(date.month()) - 1],
                            static_cast<int>(static_cast<unsigned>(date.day())));
        EXPECT_EQ(found, expected) << Named(date);
        if (previous != -1 && found != previous) ++changes;
        previous = found;
    }
    // Eleven boundaries inside the year, plus 4 December back to the Harvest.
    EXPECT_EQ(changes, 12);
}

TEST(FindAfricanSign, AnyOtherMonthTextCountsAsDecember) {
    for (std::string_view month :
         {"December", "december", "JANUARY", " January", "January ", "Jan", "", "Decembre"}) {
        EXPECT_EQ(FindAfricanSign(month, 3), 11) << '"' << month << '"';
        EXPECT_EQ(FindAfricanSign(month, 4), 0) << '"' << month << '"';
    }
}

struct SignCase {
    std::string_view month;
    int day;
    std::string_view name, element, luckyDay, months, bodyParts;
};

// One date inside each sign, with the fields the reading window shows for it.
TEST(CalculateAfricanSign, EachSignBringsItsFieldsTextAndPicture) {
    const SignCase cases[] = {
        {"December", 31, "The Harvest In The Granary", "Water", "Thursday", "April and December", "The Skin and Bones"},
        {"January", 20, "The Baobab Tree", "Air", "Thursday", "January and May", "Liver and Gall Bladder"},
        {"February", 29, "The Wealth Of Amber And Silver", "Air", "Wednesday", "February and June", "The Nervous System"},
        {"March", 20, "The Family", "Earth", "Tuesday", "March and July", "The Lungs"},
        {"April", 30, "Small Services To The Neighborhood", "Earth", "Saturday", "April and August", "Medultary System"},
        {"May", 25, "The Market", "Fire", "Sunday", "May and September", "The Throat and Veins"},
        {"June", 30, "The Ancestor", "Water", "Monday", "June and October", "The Head"},
        {"July", 5, "The Judge", "Fire", "Tuesday", "July and November", "The Kidneys"},
        {"August", 15, "The Kola Nut", "Earth", "Wednesday", "August and December", "The Sexual Organs"},
        {"September", 30, "The Traveller", "Air", "Thursday", "January and September", "The Feet and Joints"},
        {"October", 31, "The Distance", "Water", "Friday", "February and October", "The Heart"},
        {"November", 4, "The Child Of The World", "Fire", "Saturday", "November and March", "Sensitive Body Parts"},
    };
    for (std::size_t row = 0; row < std::size(cases); ++row) {
        const SignCase& c = cases[row];
        SCOPED_TRACE(std::string(c.month) + " " + std::to_string(c.day));
        const AfricanReading reading = CalculateAfricanSign(c.month, c.day);
        EXPECT_EQ(reading.sign, c.name);
        EXPECT_EQ(reading.element, c.element);
        EXPECT_EQ(reading.luckyDay, c.luckyDay);
        EXPECT_EQ(reading.mostSuccessfulMonths, c.months);
        EXPECT_EQ(reading.bodyParts, c.bodyParts);
        EXPECT_EQ(reading.description, AfricanSignText(static_cast<int>(row)));
        EXPECT_EQ(reading.picture, static_cast<int>(row) + 1);
    }
}

}  // namespace
}  // namespace oriastra
