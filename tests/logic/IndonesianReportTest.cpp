#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/StyledText.h"
#include "indonesian/IndonesianReport.h"
#include "indonesian/WetonTexts.h"
#include "indonesian/modJavaneseAstrology.h"

namespace oriastra {
namespace {

StyledText ReportFor(const BirthDetails& details) {
    return BuildIndonesianReport(details,
                                 CalculateWeton(details.year, details.month, details.day));
}

TEST(IndonesianReport, FullTextInOrderWithTheParagraphLast) {
    const BirthDetails details{"Dewi Lestari", 1980, "February", 29, ""};
    const std::string expected = "Name: Dewi Lestari\n\n"
                                 "Date of Birth: February 29, 1980\n\n"
                                 "Indonesian Day Sign: Kliwon\n\n"
                                 "Indonesian Weekday: Jumat\n\n"
                                 "English Weekday: Friday\n\n"
                                 "Description: \n" +
                                 std::string(WetonText("Jumat", "Kliwon"));
    EXPECT_EQ(PlainText(ReportFor(details)), expected);
}

TEST(IndonesianReport, DateLineHasNoLeadingZero) {
    const std::string text = PlainText(ReportFor({"A", 2001, "March", 1, ""}));
    EXPECT_NE(text.find("\nDate of Birth: March 1, 2001\n\n"), std::string::npos) << text;
}

TEST(IndonesianReport, HeadingsBoldDarkMagentaValuesPlainBlack) {
    const StyledText runs = ReportFor({"<b>Ann", 1945, "August", 17, ""});
    std::vector<std::string> headings;
    for (const StyledRun& run : runs) {
        if (run.bold) {
            EXPECT_EQ(run.color, kIndonesianHeadingColor) << run.text;
            headings.push_back(run.text);
        } else {
            EXPECT_EQ(run.color, kBlack) << run.text;
        }
        EXPECT_FALSE(run.link) << run.text;
    }
    const std::vector<std::string> expected = {
        "Name: ",           "Date of Birth: ",   "Indonesian Day Sign: ",
        "Indonesian Weekday: ", "English Weekday: ", "Description: \n"};
    EXPECT_EQ(headings, expected);
    EXPECT_EQ(runs.back().text, WetonText("Jumat", "Legi"));
}

// A weton the reading window never filled still gives all six sections.
TEST(IndonesianReport, InitialCaptionsFillEverySection) {
    const std::string text =
        PlainText(BuildIndonesianReport({"A", 1990, "May", 1, ""}, InitialWetonReading()));
    EXPECT_EQ(text, "Name: A\n\nDate of Birth: May 1, 1990\n\n"
                    "Indonesian Day Sign: Javanese Result\n\n"
                    "Indonesian Weekday: Javanese Result\n\n"
                    "English Weekday: Javanese Result\n\n"
                    "Description: \nJavanese Result");
}

}  // namespace
}  // namespace oriastra
