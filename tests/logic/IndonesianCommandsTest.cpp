#include <gtest/gtest.h>

#include <sstream>

#include "CliApp.h"
#include "Json.h"
#include "ReadingOutput.h"
#include "indonesian/logic/IndonesianReport.h"
#include "indonesian/logic/WetonTexts.h"

namespace oriastra::cli {
namespace {

std::string Output(std::vector<std::string> arguments) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli(arguments, in, out, err), 0) << err.str();
    return out.str();
}

const std::vector<std::string> kDewi = {"--name", " Dewi ",    "--day",  "29",
                                        "--month", "February", "--year", "1980"};

std::vector<std::string> With(std::vector<std::string> head) {
    head.insert(head.end(), kDewi.begin(), kDewi.end());
    return head;
}

TEST(CliIndonesian, ReadingFieldsAndReportAreTheWindowsTexts) {
    EXPECT_EQ(Output(With({"reading", "indonesian", "--json"})),
              R"({"tradition":"indonesian","name":"Dewi","marketDay":"Kliwon",)"
              R"("javaneseWeekday":"Jumat","englishWeekday":"Friday","reading":")" +
                  std::string(WetonText("Jumat", "Kliwon")) + "\"}\n");

    const BirthDetails details{"Dewi", 1980, "February", 29, ""};
    const StyledText runs =
        BuildIndonesianReport(details, CalculateWeton(details.year, details.month, details.day));
    EXPECT_EQ(Output(With({"report", "indonesian"})), PlainText(runs));
    EXPECT_EQ(Output(With({"report", "indonesian", "--json"})), WriteJson(ReportJson(runs)) + "\n");
}

}  // namespace
}  // namespace oriastra::cli
