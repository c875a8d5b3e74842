#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "african/logic/AfricanReport.h"
#include "african/logic/AfricanTexts.h"
#include "african/logic/modAfricanAstrology.h"
#include "common/logic/LongDate.h"
#include "common/logic/StyledText.h"

namespace oriastra {
namespace {

const BirthDetails kAmara{"Amara Okafor", 1980, "January", 5, ""};

TEST(AfricanReport, FullTextInOrderWithNothingAfterTheLastValue) {
    const std::string expected =
        "Name: Amara Okafor\n\n"
        "Date of Birth: January 5, 1980\n\n"
        "African Astrology Symbol: The Baobab Tree\n\n"
        "African Astrology Description: " + std::string(AfricanSignText(1)) + "\n\n"
        "Element: Air\n\n"
        "Lucky Day: Thursday\n\n"
        "Most Successful Months: January and May\n\n"
        "Body Parts: Liver and Gall Bladder";
    EXPECT_EQ(PlainText(BuildAfricanReport(kAmara, CalculateAfricanSign("January", 5))), expected);
}

TEST(AfricanReport, HeadingsAreBoldDarkMagentaAndValuesPlainBlack) {
    const StyledText runs = BuildAfricanReport(kAmara, CalculateAfricanSign("January", 5));
    std::vector<std::string> headings;
    for (const StyledRun& run : runs) {
        EXPECT_FALSE(run.link) << run.text;
        if (run.bold) {
            EXPECT_EQ(run.color, (TextColor{128, 0, 128})) << run.text;
            headings.push_back(run.text);
        } else {
            EXPECT_EQ(run.color, kBlack) << run.text;
        }
    }
    const std::vector<std::string> expected = {
        "Name: ",    "Date of Birth: ", "African Astrology Symbol: ", "African Astrology Description: ",
        "Element: ", "Lucky Day: ",     "Most Successful Months: ",   "Body Parts: "};
    EXPECT_EQ(headings, expected);
}

TEST(LongDateText, MonthNameFirstWithoutLeadingZeros) {
    const struct {
        const char* month;
        int day;
        int year;
        const char* expected;
    } cases[] = {{"January", 5, 1980, "January 5, 1980"},
                 {"February", 29, 1980, "February 29, 1980"},
                 {"March", 1, 2001, "March 1, 2001"},
                 {"December", 31, 1900, "December 31, 1900"}};
    for (const auto& c : cases) EXPECT_EQ(LongDateText(c.month, c.day, c.year), c.expected);
}

}  // namespace
}  // namespace oriastra
