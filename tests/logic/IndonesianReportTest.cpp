#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/logic/StyledText.h"
#include "indonesian/logic/IndonesianReport.h"
#include "indonesian/logic/WetonTexts.h"
#include "indonesian/logic/modJavaneseAstrology.h"

namespace oriastra {
namespace {

StyledText ReportFor(const BirthDetails& details) {
    return BuildIndonesianReport(details,
                                 CalculateWeton(details.year, details.month, details.day));
}

TEST(IndonesianReport, FullTextInOrderWithTheParagraphLast) {
    const std::string expected = "Name: Dewi Lestari\n\n"
                                 "Date of Birth: February 29, 1980\n\n"
                                 "Indonesian Day Sign: Kliwon\n\n"
                                 "Indonesian Weekday: Jumat\n\n"
                                 "English Weekday: Friday\n\n"
                                 "Description: \n" +
                                 std::string(WetonText("Jumat", "Kliwon"));
    EXPECT_EQ(PlainText(ReportFor({"Dewi Lestari", 1980, "February", 29, ""})), expected);
}

TEST(IndonesianReport, HeadingsBoldDarkMagentaValuesPlainBlack) {
    std::vector<std::string> headings;
    for (const StyledRun& run : ReportFor({"Ann", 2001, "March", 1, ""})) {
        EXPECT_EQ(run.color, run.bold ? kIndonesianHeadingColor : kBlack) << run.text;
        if (run.bold) headings.push_back(run.text);
    }
    const std::vector<std::string> expected = {
        "Name: ",           "Date of Birth: ",   "Indonesian Day Sign: ",
        "Indonesian Weekday: ", "English Weekday: ", "Description: \n"};
    EXPECT_EQ(headings, expected);
}

}  // namespace
}  // namespace oriastra
