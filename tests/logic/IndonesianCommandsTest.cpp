#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "CliApp.h"
#include "Json.h"
#include "ReadingOutput.h"
#include "common/RecordFile.h"
#include "indonesian/IndonesianReport.h"
#include "indonesian/WetonTexts.h"

namespace oriastra::cli {
namespace {

struct Outcome {
    int status = 0;
    std::string out;
    std::string err;
};

Outcome Invoke(std::vector<std::string> arguments) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> Command(std::vector<std::string> head, const std::string& name,
                                 const std::string& day, const std::string& month,
                                 const std::string& year) {
    for (const std::string& part : {std::string("--name"), name, std::string("--day"), day,
                                    std::string("--month"), month, std::string("--year"), year}) {
        head.push_back(part);
    }
    return head;
}

std::string ReadingJson(const std::string& name, std::string_view market,
                        std::string_view javanese, std::string_view english) {
    return R"({"tradition":"indonesian","name":")" + name + R"(","marketDay":")" +
           std::string(market) + R"(","javaneseWeekday":")" + std::string(javanese) +
           R"(","englishWeekday":")" + std::string(english) + R"(","reading":")" +
           std::string(WetonText(javanese, market)) + "\"}\n";
}

TEST(CliIndonesian, ReadingGivesTheWetonFields) {
    const Outcome json =
        Invoke(Command({"reading", "indonesian", "--json"}, " Sri Wahyuni ", "17", "August", "1945"));
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out, ReadingJson("Sri Wahyuni", "Legi", "Jumat", "Friday"));

    const Outcome text = Invoke(Command({"reading", "indonesian"}, "Sri", "31", "December", "2036"));
    EXPECT_EQ(text.out, "Tradition: indonesian\nName: Sri\nMarket day: Kliwon\n"
                        "Javanese weekday: Rabu\nEnglish weekday: Wednesday\nReading: " +
                            std::string(WetonText("Rabu", "Kliwon")) + "\n");
}

TEST(CliIndonesian, ReportIsTheWindowsTextExactly) {
    const std::vector<std::string> birth = {"--name", "Dewi", "--day", "29", "--month", "February",
                                            "--year", "1980"};
    const BirthDetails details{"Dewi", 1980, "February", 29, ""};
    const StyledText runs =
        BuildIndonesianReport(details, CalculateWeton(details.year, details.month, details.day));
    std::vector<std::string> text = {"report", "indonesian"};
    text.insert(text.end(), birth.begin(), birth.end());
    EXPECT_EQ(Invoke(text).out, PlainText(runs));
    text.push_back("--json");
    const Outcome json = Invoke(text);
    EXPECT_EQ(json.out, WriteJson(ReportJson(runs)) + "\n");
    EXPECT_TRUE(json.out.starts_with(R"({"runs":[{"text":"Name: ","bold":true,"color":"#800080"})"))
        << json.out;
}

TEST(CliIndonesian, UsageErrorsOfTheYearListAndTheSex) {
    for (const auto& arguments :
         {Command({"reading", "indonesian"}, "A", "1", "May", "1900"),
          Command({"reading", "indonesian"}, "A", "1", "May", "2037"),
          Command({"reading", "indonesian", "--sex", "Male"}, "A", "1", "May", "1990")}) {
        const Outcome outcome = Invoke(arguments);
        EXPECT_EQ(outcome.status, 2) << outcome.err;
        EXPECT_EQ(outcome.out, "");
    }
}

class IndonesianFiles : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("oriastra-jav-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string Path(const std::string& file) const { return (folder_ / file).string(); }

    std::filesystem::path folder_;
};

TEST_F(IndonesianFiles, SaveWritesFourEncodedLinesThatOpenToTheSameReading) {
    const std::string file = Path("ann.jav");
    ASSERT_EQ(Invoke(Command({"save", file, "indonesian"}, "  Ann Lee ", "5", "April", "1980")).status, 0);
    std::ifstream saved(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(saved)), {});
    EXPECT_EQ(bytes, RecordFileBytes({"Ann Lee", "5", "April", "1980"}));
    EXPECT_EQ(bytes.find("Ann"), std::string::npos) << "no readable name in the file";

    const Outcome opened = Invoke({"open", file, "--json"});
    EXPECT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(opened.out,
              Invoke(Command({"reading", "indonesian", "--json"}, "Ann Lee", "5", "April", "1980")).out);
}

// Missing lines read as empty texts; lists keep a fresh window's first entries.
TEST_F(IndonesianFiles, OpenedRecordsAsTheInputWindowReadsThem) {
    const struct {
        std::string title;
        std::string file;
        std::vector<std::string> lines;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {"EmptyFile", "empty.jav", {}, 1, "", "Please Enter Your Name\n"},
        {"NameOnly", "name.jav", {"Ann"}, 0,
         ReadingJson("Ann", "Pahing", "Selasa", "Tuesday"), ""},
        {"OutsideTheLists", "odd.jav", {"Ann", "05", "august", "1900"}, 0,
         ReadingJson("Ann", "Pahing", "Selasa", "Tuesday"), ""},
        {"ImpossibleDate", "bad.jav", {"Ann", "31", "June", "1990"}, 1, "",
         "Please Enter Correct Date Or Month !\n"},
        {"ExtraLinesIgnored", "more.jav", {"Ann", "17", "August", "1945", "x", "y"}, 0,
         ReadingJson("Ann", "Legi", "Jumat", "Friday"), ""},
        {"NoDotBeforeTheExtension", "annjav", {"Ann", "17", "August", "1945"}, 0,
         ReadingJson("Ann", "Legi", "Jumat", "Friday"), ""},
        {"ExtensionInCapitals", "ann.JAV", {"Ann", "17", "August", "1945"}, 1, "",
         "Please Check The File.\n"},
    };
    for (const auto& row : cases) {
        ASSERT_TRUE(WriteRecordFile(Path(row.file), row.lines)) << row.title;
        const Outcome outcome = Invoke({"open", Path(row.file), "--json"});
        EXPECT_EQ(outcome.status, row.status) << row.title;
        EXPECT_EQ(outcome.out, row.out) << row.title;
        EXPECT_EQ(outcome.err, row.err) << row.title;
    }
}

}  // namespace
}  // namespace oriastra::cli
