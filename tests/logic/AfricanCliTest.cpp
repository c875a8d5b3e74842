#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include <unistd.h>

#include "CliApp.h"
#include "african/logic/AfricanReport.h"
#include "african/logic/modAfricanAstrology.h"
#include "common/logic/RecordFile.h"

namespace oriastra::cli {
namespace {

// Standard output of a run that must succeed.
std::string Output(std::vector<std::string> arguments) {
    for (const char* part : {"--name", " Amara Okafor ", "--day", "5", "--month", "January",
                             "--year", "1980"}) {
        if (arguments.front() != "open") arguments.emplace_back(part);
    }
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli(arguments, in, out, err), 0) << err.str();
    return out.str();
}

TEST(AfricanCli, ReadingJsonHasTheSignsFields) {
    EXPECT_EQ(Output({"reading", "african", "--json"}),
              std::string(R"({"tradition":"african","name":"Amara Okafor","sign":"The Baobab Tree",)"
                          R"("element":"Air","luckyDay":"Thursday","mostSuccessfulMonths":)"
                          R"("January and May","bodyParts":"Liver and Gall Bladder",)"
                          R"("description":")") +
                  std::string(CalculateAfricanSign("January", 5).description) + "\"}\n");
}

TEST(AfricanCli, ReportIsTheWindowsTextExactly) {
    EXPECT_EQ(Output({"report", "african"}),
              PlainText(BuildAfricanReport({"Amara Okafor", 1980, "January", 5, ""},
                                           CalculateAfricanSign("January", 5))));
    EXPECT_TRUE(Output({"report", "african", "--json"})
                    .starts_with(R"({"runs":[{"text":"Name: ","bold":true,"color":"#800080"})"));
}

TEST(AfricanCli, SavedRecordOpensToTheSameReading) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("oriastra-african-" + std::to_string(::getpid()) + ".afa");
    Output({"save", file.string(), "african"});
    EXPECT_EQ(ReadRecordFile(file, 5),
              (std::vector<std::string>{"Amara Okafor", "5", "January", "1980", ""}));
    EXPECT_EQ(Output({"open", file.string(), "--json"}), Output({"reading", "african", "--json"}));
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace oriastra::cli
