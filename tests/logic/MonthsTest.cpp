#include <gtest/gtest.h>

#include <string>

#include "common/logic/Months.h"

namespace oriastra {
namespace {

TEST(MonthIndex, FindsEveryMonthByItsName) {
    for (std::size_t month = 0; month < kMonthNames.size(); ++month) {
        EXPECT_EQ(MonthIndex(kMonthNames[month]), static_cast<int>(month)) << kMonthNames[month];
    }
}

// Near misses, among them texts that share a month's length and first and third letters.
TEST(MonthIndex, IsExactAndCaseSensitive) {
    using namespace std::string_literals;
    const std::string nearMisses[] = {"january"s, " May"s, ""s, "M"s, "Ma"s, "MAY"s, "Mayy"s,
                                      "Jxne"s, "Juny"s, "Jun"s, "Decembe"s, "Decemberr"s,
                                      "Sextember"s, "May\0"s};
    for (const std::string& text : nearMisses) EXPECT_FALSE(MonthIndex(text)) << text;
}

}  // namespace
}  // namespace oriastra
