#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

#include "CalculateStep.h"
#include "CliRun.h"
#include "CsvReader.h"
#include "FifoGuard.h"
#include "ReadingOutput.h"
#include "african/logic/AfricanTradition.h"
#include "arabic/logic/ArabicTradition.h"
#include "burmese/logic/BurmeseTradition.h"
#include "common/logic/Months.h"
#include "common/logic/RecordFile.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "registry/logic/TraditionRegistry.h"
#include "tibetan/logic/TibetanReport.h"
#include "tibetan/logic/TibetanTradition.h"

namespace oriastra::cli {
namespace {

std::vector<std::string> Birth(const std::string& name, const std::string& day,
                               const std::string& month, const std::string& year) {
    return {"--name", name, "--day", day, "--month", month, "--year", year};
}

std::vector<std::string> Join(std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

struct MessageCase {
    std::string name;
    Tradition tradition;
    std::vector<std::string> birth;  // after "reading TRADITION"
    int status;
    std::string err;
    friend void PrintTo(const MessageCase& row, std::ostream* os) { *os << row.name; }
};

class ValidationMessages : public testing::TestWithParam<MessageCase> {};

TEST_P(ValidationMessages, ExitWithTheWindowsMessageAlone) {
    const Outcome outcome = Invoke(Join(
        {"reading", std::string(TraditionKey(GetParam().tradition)), "--json"}, GetParam().birth));
    EXPECT_EQ(outcome.status, GetParam().status) << outcome.err;
    EXPECT_EQ(outcome.err, GetParam().err);
    EXPECT_EQ(outcome.out.empty(), GetParam().status != 0);
}

// 1 May 1990 is a Tuesday, so Burmese rows need no --afternoon.
INSTANTIATE_TEST_SUITE_P(
    Cli, ValidationMessages,
    testing::Values(
        MessageCase{"TibetanFebruary29NotLeap", kTibetanTradition, Join(Birth("Ann", "29", "February", "1931"), {"--sex", "Male"}), 1, "Please Enter Correct Date Or Month!\n"},
        MessageCase{"TibetanFebruary29Leap", kTibetanTradition, Join(Birth("Ann", "29", "February", "1932"), {"--sex", "Male"}), 0, ""},
        MessageCase{"TibetanFebruary30Leap", kTibetanTradition, Join(Birth("Ann", "30", "February", "1932"), {"--sex", "Male"}), 1, "Please Enter Correct Date Or Month!\n"},
        MessageCase{"TibetanApril31", kTibetanTradition, Join(Birth("Ann", "31", "April", "1990"), {"--sex", "Female"}), 1, "Please Enter Correct Date Or Month !\n"},
        MessageCase{"TibetanApril30", kTibetanTradition, Join(Birth("Ann", "30", "April", "1990"), {"--sex", "Female"}), 0, ""},
        MessageCase{"TibetanNoSex", kTibetanTradition, Birth("Ann", "1", "May", "1990"), 1, "Please Select Your Sex\n"},
        MessageCase{"TibetanSpacesName", kTibetanTradition, Join(Birth("   ", "1", "May", "1990"), {"--sex", "Male"}), 1, "Please Enter Your Name\n"},
        MessageCase{"TibetanNameBeforeSex", kTibetanTradition, Birth("", "31", "April", "1990"), 1, "Please Enter Your Name\n"},
        MessageCase{"BurmeseEmptyName", kBurmeseTradition, Birth("", "1", "May", "1990"), 1, "Please Enter Your Name !\n"},
        MessageCase{"BurmeseSpacesNamePass", kBurmeseTradition, Birth("   ", "1", "May", "1990"), 0, ""},
        MessageCase{"ArabicSpacesNamePass", kArabicTradition, Birth("   ", "1", "May", "1990"), 0, ""},
        MessageCase{"ArabicJune31", kArabicTradition, Birth("A", "31", "June", "1990"), 1, "Please Enter Correct Date Or Month !\n"},
        MessageCase{"AfricanSpacesName", kAfricanTradition, Birth("   ", "1", "May", "1990"), 1, "Please Enter Your Name\n"},
        MessageCase{"AfricanSeptember31", kAfricanTradition, Birth("A", "31", "September", "1990"), 1, "Please Enter Correct Date Or Month !\n"},
        MessageCase{"IndonesianNovember31", kIndonesianTradition, Birth("A", "31", "November", "1990"), 1, "Please Enter Correct Date Or Month !\n"},
        MessageCase{"IndonesianFebruary29Of1904", kIndonesianTradition, Birth("A", "29", "February", "1904"), 0, ""}),
    [](const auto& info) { return info.param.name; });

class TibetanFiles : public CliFilesTest {};

const std::vector<std::string> kAnn = Join(Birth("  Ann Lee ", "5", "April", "1980"), {"--sex", "Female"});

TEST_F(TibetanFiles, SaveThenOpenGivesTheSameReading) {
    const std::string file = Path("ann.tib");
    ASSERT_EQ(Invoke(Join({"save", file, "tibetan"}, kAnn)).status, 0);

    std::ifstream saved(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(saved)), {});
    EXPECT_EQ(bytes.size(), 33U) << "five encoded lines, each ended by CR LF";
    EXPECT_EQ(ReadRecordFile(file, 6),
              (std::vector<std::string>{"Ann Lee", "Female", "5", "April", "1980", ""}));

    const Outcome reading = Invoke(Join({"reading", "tibetan", "--json"}, kAnn));
    ASSERT_EQ(reading.status, 0);
    EXPECT_TRUE(reading.out.starts_with(R"({"tradition":"tibetan","name":"Ann Lee","sex":"Female","tibetanSunSign":)"))
        << reading.out;
    // --name belongs to Arabic records; elsewhere it changes nothing.
    const Outcome opened = Invoke({"open", file, "--json", "--name", "Other"});
    EXPECT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(opened.out, reading.out);
    EXPECT_EQ(Invoke({"open", file}).out, Invoke(Join({"reading", "tibetan"}, kAnn)).out);
}

TEST_F(TibetanFiles, OpenedTextsOutsideTheListsGiveTheDefaults) {
    const std::string file = Path("odd.tib");
    ASSERT_TRUE(WriteRecordFile(file, {"Bo", "male", "05", "april", "1800"}));
    const Outcome opened = Invoke({"open", file, "--json"});
    EXPECT_EQ(opened.status, 0) << opened.err;
    // "male" is not "Male", so Female is selected.
    EXPECT_EQ(opened.out, Invoke(Join({"reading", "tibetan", "--json", "--sex", "Female"},
                                   Birth("Bo", "1", "January", "1930"))).out);

    ASSERT_TRUE(WriteRecordFile(file, {"Bo", "Male", "30", "February", "1990"}));
    const Outcome invalid = Invoke({"open", file});
    EXPECT_EQ(invalid.status, 1);
    EXPECT_EQ(invalid.err, "Please Enter Correct Date Or Month!\n");
}

TEST_F(TibetanFiles, FileProblems) {
    ASSERT_TRUE(WriteRecordFile(Path("x.TIB"), {"Bo", "Male", "5", "May", "1990"}));
    ASSERT_EQ(::mkfifo(Path("pipe.tib").c_str(), 0600), 0);
    std::filesystem::create_directories(Path("folder.tib"));
    std::filesystem::create_symlink("/dev/null", Path("null.tib"));
    const std::string old = "\xB6\r\n";
    std::ofstream(Path("kept.tib"), std::ios::binary) << old;
    std::filesystem::permissions(Path("kept.tib"), std::filesystem::perms::owner_read);
    std::filesystem::create_directories(Path("locked"));
    std::ofstream(Path("locked/kept.tib"), std::ios::binary) << old;
    std::filesystem::permissions(Path("locked"), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
    auto cannotWrite = [&](const std::string& file, const std::string& reason) {
        return "oriastra-cli: cannot write " + Path(file) + ": " + reason + "\n";
    };
    const struct {
        std::string name;
        std::vector<std::string> arguments;
        int status;
        std::string err;
    } cases[] = {
        {"ExtensionInCapitals", {"open", Path("x.TIB")}, 1, "Please Check The File.\n"},
        {"UnknownExtension", {"open", Path("x.txt")}, 1, "Please Check The File.\n"},
        // Unlike the window, which reads such a file as empty lines, the command says why.
        {"MissingFile", {"open", Path("none.tib")}, 1, "oriastra-cli: " + Path("none.tib") + ": No such file or directory\n"},
        {"MissingNumerologyFile", {"open", Path("none.num"), "--name", "Bob"}, 1, "oriastra-cli: " + Path("none.num") + ": No such file or directory\n"},
        {"MissingFolderOnTheWay", {"open", Path("kept.tib/x.tib")}, 1, "oriastra-cli: " + Path("kept.tib/x.tib") + ": Not a directory\n"},
        {"Folder", {"open", Path("folder.tib")}, 1, "oriastra-cli: " + Path("folder.tib") + ": not a regular file\n"},
        {"Fifo", {"open", Path("pipe.tib")}, 1, "oriastra-cli: " + Path("pipe.tib") + ": not a regular file\n"},
        {"LinkToADevice", {"open", Path("null.tib")}, 1, "oriastra-cli: " + Path("null.tib") + ": not a regular file\n"},
        {"BatchMissingFile", {"batch", "tibetan", Path("none.csv")}, 1, "oriastra-cli: " + Path("none.csv") + ": No such file or directory\n"},
        {"BatchFifo", {"batch", "tibetan", Path("pipe.tib")}, 1, "oriastra-cli: " + Path("pipe.tib") + ": not a regular file\n"},
        {"BatchFolder", {"batch", "tibetan", Path("folder.tib")}, 1, "oriastra-cli: " + Path("folder.tib") + ": not a regular file\n"},
        {"BatchDevice", {"batch", "tibetan", "/dev/null"}, 1, "oriastra-cli: /dev/null: not a regular file\n"},
        {"MissingFolder", Join({"save", Path("no/a.tib"), "tibetan"}, kAnn), 3, cannotWrite("no/a.tib", "No such file or directory")},
        {"ReadOnlyRecord", Join({"save", Path("kept.tib"), "tibetan"}, kAnn), 3, cannotWrite("kept.tib", "the file is read-only")},
        {"ReadOnlyFolder", Join({"save", Path("locked/kept.tib"), "tibetan"}, kAnn), 3, cannotWrite("locked/kept.tib", "the folder is read-only")},
        {"FolderInTheWay", Join({"save", Path("folder.tib"), "tibetan"}, kAnn), 3, cannotWrite("folder.tib", "it is a folder")},
    };
    for (const auto& row : cases) {
        Outcome outcome;
        EXPECT_TRUE(ReturnsWithoutAWriter(Path("pipe.tib"), [&] { outcome = Invoke(row.arguments); }))
            << row.name << ": waited for a writer";
        EXPECT_EQ(outcome.status, row.status) << row.name;
        EXPECT_EQ(outcome.err, row.err) << row.name;
        EXPECT_EQ(outcome.out, "") << row.name;
    }
    for (const std::string file : {"kept.tib", "locked/kept.tib"}) {
        std::ifstream kept(Path(file), std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), old) << file;
    }
    std::filesystem::permissions(Path("locked"), std::filesystem::perms::owner_all);
}

TEST_F(TibetanFiles, ControlCharactersReachTheTerminalOnlyAsEscapes) {
    const std::string file = Path("esc.tib");
    ASSERT_TRUE(WriteRecordFile(file, {"Ann\x1B]0;owned\x07 Lee\x7F", "Male", "5", "May", "1990"}));
    const Outcome text = Invoke({"open", file});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_TRUE(text.out.starts_with("Tradition: tibetan\nName: Ann\\x1B]0;owned\\x07 Lee\\x7F\n")) << text.out;
    const Outcome json = Invoke({"open", file, "--json"});
    EXPECT_NE(json.out.find(R"("name":"Ann\u001b]0;owned\u0007 Lee)"), std::string::npos) << json.out;

    const Outcome report = Invoke(Join({"report", "tibetan"}, Join(Birth("A\x1B[2Jb", "5", "May", "1990"), {"--sex", "Male"})));
    EXPECT_TRUE(report.out.starts_with("Your Name: A\\x1B[2Jb\n")) << report.out;

    const Outcome usage = Invoke(Join({"reading", "tibetan"}, Birth("A", "5", "\x1B[31m", "1990")));
    EXPECT_EQ(usage.status, 2);
    EXPECT_TRUE(usage.err.starts_with("oriastra-cli: month '\\x1B[31m' is not")) << usage.err;

    const Outcome save = Invoke(Join({"save", Path("no\x1B/a.tib"), "tibetan"}, kAnn));
    EXPECT_EQ(save.status, 3);
    EXPECT_EQ(save.err, "oriastra-cli: cannot write " + Path("no\\x1B/a.tib") + ": No such file or directory\n");

    for (const Outcome* outcome : {&text, &report, &usage, &save}) {
        for (const std::string* stream : {&outcome->out, &outcome->err}) {
            EXPECT_EQ(std::count_if(stream->begin(), stream->end(), [](char ch) {
                          return (static_cast<unsigned char>(ch) < 0x20 && ch != '\n') || ch == 0x7F;
                      }), 0) << *stream;
        }
    }
}

TEST(CliTibetan, ReportIsTheWindowsTextExactly) {
    const BirthDetails details{"Ann Lee", 1980, "April", 5, "Female"};
    const StyledText runs =
        BuildTibetanReport(details, CalculateTibetanReading(details, TibetanReading{}));
    const Outcome text = Invoke(Join({"report", "tibetan"}, kAnn));
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out, PlainText(runs));

    const Outcome json = Invoke(Join({"report", "tibetan", "--json"}, kAnn));
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out, WriteJson(ReportJson(runs)) + "\n");
    EXPECT_TRUE(json.out.starts_with(R"({"runs":[{"text":"Your Name: ","bold":true,"color":"#008000"},{"text":"Ann Lee\n)"))
        << json.out;
}

TEST(CliTibetan, TextReadingHasOneLabelledLinePerField) {
    const Outcome text = Invoke(Join({"reading", "tibetan"}, kAnn));
    EXPECT_EQ(text.status, 0);
    EXPECT_TRUE(text.out.starts_with("Tradition: tibetan\nName: Ann Lee\nSex: Female\n")) << text.out;
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 11);
}

TEST(CliBatch, BadRowsNeverStopIt) {
    const std::string csv =
        "\xEF\xBB\xBFname,day,month,year,sex,afternoon\r\n"
        "\"Lee, \"\"Ann\"\"\",5,April,1980,Female,\r\n"
        "Bo,31,April,1980,Male,\r\n"
        "Cy,1,May,1800,Male,\r\n"
        "short,1\r\n"
        "\r\n"
        "Dee,1,May,1990,,\r\n"
        "Eve,1,May,1990,Female,yes\r\n"
        "\"Fay\nMoe\",1,May,1990,Male,\r\n"
        "Gus,1,May,1990,Male,maybe\r\n"
        "\"open,1,May";
    const Outcome batch = Invoke({"batch", "tibetan"}, csv);
    EXPECT_EQ(batch.status, 0) << batch.err;
    std::istringstream lines(batch.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) rows.push_back(line);
    // Output line N answers input row N + 1, the header being row 1.
    ASSERT_EQ(rows.size(), 10U) << batch.out;
    EXPECT_TRUE(rows[0].starts_with(R"({"tradition":"tibetan","name":"Lee, \"Ann\"","sex":"Female")")) << rows[0];
    EXPECT_EQ(rows[1], R"({"error":"Row 3: Please Enter Correct Date Or Month !"})");
    EXPECT_EQ(rows[2], R"({"error":"Row 4: year 1800 is outside 1930-2030"})");
    EXPECT_EQ(rows[3], R"({"error":"Row 5: expected 6 fields, found 2"})");
    EXPECT_EQ(rows[4], R"({"error":"Row 6: empty row"})");
    EXPECT_EQ(rows[5], R"({"error":"Row 7: Please Select Your Sex"})");
    EXPECT_EQ(rows[6], Invoke(Join({"reading", "tibetan", "--json", "--sex", "Female"}, Birth("Eve", "1", "May", "1990"))).out.substr(0, rows[6].size()));
    EXPECT_TRUE(rows[7].starts_with(R"({"tradition":"tibetan","name":"Fay\nMoe")")) << rows[7];
    EXPECT_EQ(rows[8], R"({"error":"Row 10: afternoon 'maybe' is not yes or no"})");
    EXPECT_EQ(rows[9], R"({"error":"Row 11: a quoted field is not closed"})");
}

// Rows of every tradition with readings that recur and readings that do not, some of them
// twice: each line is what `reading --json` prints alone, however the batch keeps its texts.
TEST(CliBatch, EveryRowIsTheReadingOfItsRowAlone) {
    for (const Tradition tradition : AllTraditions()) {
        const std::string key(TraditionKey(tradition));
        const PanelRules& panel = tradition->panel;
        const bool asksAfternoon = !tradition->afternoonMeans.empty();
        std::string csv = "name,day,month,year,sex,afternoon\n";
        std::vector<std::vector<std::string>> readings;
        for (int i = 0; i < 120; ++i) {
            const int step = i % 60;
            const std::string name = "Row \"" + std::to_string(step) + "\"";
            const std::string day = std::to_string(1 + step * 7 % 28);
            const std::string month(kMonthNames[static_cast<std::size_t>(step % 12)]);
            const std::string year =
                std::to_string(panel.firstYear + step * 13 % (panel.lastYear - panel.firstYear + 1));
            const std::string sex = panel.asksSex ? (step % 2 == 0 ? "Female" : "Male") : "";
            const std::string afternoon = asksAfternoon ? (step % 3 == 0 ? "yes" : "no") : "";
            csv += "\"Row \"\"" + std::to_string(step) + "\"\"\"," + day + "," + month + "," + year + "," +
                   sex + "," + afternoon + "\n";
            std::vector<std::string> reading = Join({"reading", key, "--json"}, Birth(name, day, month, year));
            if (!sex.empty()) reading = Join(reading, {"--sex", sex});
            if (!afternoon.empty()) reading = Join(reading, {"--afternoon", afternoon});
            readings.push_back(reading);
        }
        const Outcome batch = Invoke({"batch", key}, csv);
        ASSERT_EQ(batch.status, 0) << key << ": " << batch.err;
        std::istringstream lines(batch.out);
        for (const auto& reading : readings) {
            std::string line;
            ASSERT_TRUE(std::getline(lines, line)) << key;
            const Outcome alone = Invoke(reading);
            ASSERT_EQ(alone.status, 0) << key << ": " << alone.err;
            EXPECT_EQ(line + "\n", alone.out) << key;
        }
    }
}

struct BatchRowCase {
    std::string name;
    std::string tradition;
    std::string rows;  // after the header
    std::string out;
    friend void PrintTo(const BatchRowCase& row, std::ostream* os) { *os << row.name; }
};

class BatchRows : public testing::TestWithParam<BatchRowCase> {};

TEST_P(BatchRows, EachErrorNamesItsRow) {
    const Outcome batch =
        Invoke({"batch", GetParam().tradition}, "name,day,month,year,sex,afternoon\n" + GetParam().rows);
    EXPECT_EQ(batch.status, 0) << batch.err;
    EXPECT_EQ(batch.out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, BatchRows,
    testing::Values(
        BatchRowCase{"ValidationFailure", "burmese", ",1,May,1990,,\n", "{\"error\":\"Row 2: Please Enter Your Name !\"}\n"},
        BatchRowCase{"NulKeepsTheRest", "african", std::string("Bob,1\0,May,1990,,\n", 18), "{\"error\":\"Row 2: day '1\\u0000' is not a number from 1 to 31\"}\n"},
        BatchRowCase{"BlankLines", "african", "\n\r\n,1,May,1990,,\n", "{\"error\":\"Row 2: empty row\"}\n{\"error\":\"Row 3: empty row\"}\n{\"error\":\"Row 4: Please Enter Your Name\"}\n"},
        BatchRowCase{"BlankLastLine", "african", "\n", "{\"error\":\"Row 2: empty row\"}\n"},
        BatchRowCase{"QuotedEmptyIsNotBlank", "african", "\"\"\n", "{\"error\":\"Row 2: expected 6 fields, found 1\"}\n"},
        BatchRowCase{"NoRows", "african", "", ""}),
    [](const auto& info) { return info.param.name; });

TEST(CliBatch, AnOverlongFieldGivesItsRowAnErrorAndTheBatchGoesOn) {
    const std::string csv = "name,day,month,year,sex,afternoon\n\"" +
                            std::string(CsvReader::kMostFieldBytes + 1, 'x') +
                            "\",5,April,1980,Female,\nAnn,5,April,1980,Female,\n";
    const Outcome batch = Invoke({"batch", "tibetan"}, csv);
    EXPECT_EQ(batch.status, 0) << batch.err;
    EXPECT_TRUE(batch.out.starts_with("{\"error\":\"Row 2: a field is longer than 1 MiB\"}\n"
                                      "{\"tradition\":\"tibetan\",\"name\":\"Ann\","))
        << batch.out.substr(0, 200);
}

class BatchFiles : public CliFilesTest {};

TEST_F(BatchFiles, AFileAndStandardInputGiveTheSameLines) {
    const std::string csv = "name,day,month,year,sex,afternoon\nAnn,5,April,1980,Female,\n\n,1,May,1990,Male,\n";
    std::ofstream(Path("people.csv"), std::ios::binary) << csv;
    std::ofstream(Path("bad.csv"), std::ios::binary) << "Name,day\n";
    const Outcome piped = Invoke({"batch", "tibetan"}, csv);
    ASSERT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(std::count(piped.out.begin(), piped.out.end(), '\n'), 3) << piped.out;
    const struct {
        std::string name;
        std::vector<std::string> arguments;
        std::string input;
        int status;
        std::string out;
        std::string err;  // the start of it
    } cases[] = {
        {"File", {"batch", "tibetan", Path("people.csv")}, "", 0, piped.out, ""},
        {"FileAfterOptionsEnd", {"batch", "tibetan", "--", Path("people.csv")}, "", 0, piped.out, ""},
        {"Dash", {"batch", "tibetan", "-"}, csv, 0, piped.out, ""},
        {"FileHeaderNamesTheFile", {"batch", "tibetan", Path("bad.csv")}, csv, 2, "", "oriastra-cli: " + Path("bad.csv") + " must start with the CSV header"},
        {"InputHeaderNamesStandardInput", {"batch", "tibetan", "-"}, "Name,day\n", 2, "", "oriastra-cli: standard input must start with the CSV header"},
        {"TwoFiles", {"batch", "tibetan", Path("people.csv"), Path("people.csv")}, "", 2, "", "oriastra-cli: unexpected argument"},
    };
    for (const auto& row : cases) {
        const Outcome outcome = Invoke(row.arguments, row.input);
        EXPECT_EQ(outcome.status, row.status) << row.name;
        EXPECT_EQ(outcome.out, row.out) << row.name;
        EXPECT_TRUE(outcome.err.starts_with(row.err)) << row.name << ": " << outcome.err;
    }
}

TEST(CliBatch, WrongHeaderIsAUsageError) {
    for (const std::string input : {"", "name,day,month,year,sex\n", "Name,day,month,year,sex,afternoon\n"}) {
        const Outcome batch = Invoke({"batch", "tibetan"}, input);
        EXPECT_EQ(batch.status, 2) << input;
        EXPECT_EQ(batch.out, "");
    }
}

}  // namespace
}  // namespace oriastra::cli
