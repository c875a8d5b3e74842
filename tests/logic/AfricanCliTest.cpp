#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <unistd.h>

#include "CliApp.h"
#include "ReadingOutput.h"
#include "african/AfricanReport.h"
#include "african/modAfricanAstrology.h"
#include "common/RecordFile.h"

namespace oriastra::cli {
namespace {

struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

CliRun Cli(const std::vector<std::string>& arguments) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> With(std::vector<std::string> head) {
    for (const char* part : {"--name", " Amara Okafor ", "--day", "5", "--month", "January",
                             "--year", "1980"}) {
        head.emplace_back(part);
    }
    return head;
}

class AfricanCli : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("oriastra-african-cli-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string Path(const std::string& file) const { return (folder_ / file).string(); }

    std::filesystem::path folder_;
};

TEST_F(AfricanCli, ReadingJsonHasTheSignsFields) {
    const CliRun run = Cli(With({"reading", "african", "--json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const AfricanReading baobab = CalculateAfricanSign("January", 5);
    EXPECT_EQ(run.out, R"({"tradition":"african","name":"Amara Okafor","sign":"The Baobab Tree",)"
                       R"("element":"Air","luckyDay":"Thursday","mostSuccessfulMonths":)"
                       R"("January and May","bodyParts":"Liver and Gall Bladder","description":")" +
                           baobab.description + "\"}\n");
}

TEST_F(AfricanCli, ReportIsTheWindowsTextExactly) {
    const StyledText runs = BuildAfricanReport({"Amara Okafor", 1980, "January", 5, ""},
                                               CalculateAfricanSign("January", 5));
    const CliRun text = Cli(With({"report", "african"}));
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, PlainText(runs));
    EXPECT_TRUE(text.out.ends_with("Body Parts: Liver and Gall Bladder"));
    const CliRun json = Cli(With({"report", "african", "--json"}));
    EXPECT_TRUE(json.out.starts_with(
        R"({"runs":[{"text":"Name: ","bold":true,"color":"#800080"},{"text":"Amara Okafor\n\n")"))
        << json.out;
}

TEST_F(AfricanCli, SavedRecordIsFourEncodedLinesAndOpensToTheSameReading) {
    const std::string file = Path("amara.afa");
    ASSERT_EQ(Cli(With({"save", file, "african"})).status, 0);
    std::ifstream saved(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(saved)), {});
    // "Amara Okafor", "5", "January", "1980", each shifted up by 85 and ended by CR LF.
    EXPECT_EQ(bytes, "\x96\xC2\xB6\xC7\xB6\x75\xA4\xC0\xB6\xBB\xC4\xC7\r\n"
                     "\x8A\r\n"
                     "\x9F\xB6\xC3\xCA\xB6\xC7\xCE\r\n"
                     "\x86\x8E\x8D\x85\r\n");
    EXPECT_EQ(Cli({"open", file, "--json"}).out, Cli(With({"reading", "african", "--json"})).out);
}

// The extension test counts letter case and needs no dot before the letters.
TEST_F(AfricanCli, OpenTestsTheLastThreeLettersExactly) {
    for (const std::string name : {"x.AFA", "xafa"}) {
        ASSERT_TRUE(WriteRecordFile(Path(name), {"Kofi", "4", "December", "1990"}));
    }
    const CliRun upper = Cli({"open", Path("x.AFA")});
    EXPECT_EQ(upper.status, 1);
    EXPECT_EQ(upper.err, "Please Check The File.\n");
    const CliRun bare = Cli({"open", Path("xafa"), "--json"});
    EXPECT_EQ(bare.status, 0) << bare.err;
    EXPECT_NE(bare.out.find(R"("sign":"The Harvest In The Granary")"), std::string::npos) << bare.out;
}

TEST_F(AfricanCli, ShortRecordHasNoNameAndYearsOutsideTheListAreRefused) {
    ASSERT_TRUE(WriteRecordFile(Path("short.afa"), {""}));
    EXPECT_EQ(Cli({"open", Path("short.afa")}).err, "Please Enter Your Name\n");
    EXPECT_EQ(Cli({"reading", "african", "--name", "A", "--day", "1", "--month", "May", "--year",
                   "2017"})
                  .status,
              2);
}

}  // namespace
}  // namespace oriastra::cli
