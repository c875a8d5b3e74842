#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "CliRun.h"
#include "Json.h"
#include "arabic/logic/ArabicTexts.h"
#include "common/logic/RecordFile.h"

namespace oriastra::cli {
namespace {

std::vector<std::string> Reading(const std::string& name, const std::string& day,
                                 const std::string& month, const std::string& year) {
    return {"reading", "arabic", "--json", "--name", name, "--day", day,
            "--month", month, "--year", year};
}

std::string JsonLine(const std::string& name, const char* western, const char* arabic,
                     const char* phonetic, int row) {
    return WriteJson(JsonObject{{"tradition", std::string("arabic")},
                                {"name", name},
                                {"westernName", std::string(western)},
                                {"arabicName", std::string(arabic)},
                                {"phoneticName", std::string(phonetic)},
                                {"description", std::string(ArabicSignText(row))}}) +
           "\n";
}

TEST(CliArabic, ReadingGivesTheSignAndTheDescriptionWithItsJoints) {
    const Outcome outcome = Invoke(Reading(" Nadia ", "20", "January", "1975"));
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, JsonLine("Nadia", "Aquarius", "Dalwa", "Ad Halw", 10));
    EXPECT_NE(outcome.out.find(R"(\r\n)"), std::string::npos) << "CR LF kept, escaped";

    const Outcome text = Invoke({"reading", "arabic", "--name", "Nadia", "--day", "2", "--month",
                                 "August", "--year", "1984"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_TRUE(text.out.starts_with("Tradition: arabic\nName: Nadia\nWestern name: Leo\n"
                                     "Arabic name: Asad\nPhonetic name: Al Asad\nDescription: "
                                     "Of all the zodiac signs"))
        << text.out;
}

TEST(CliArabic, NoReportAndNoRecordOfItsOwn) {
    const std::vector<std::string> birth = {"--name", "A", "--day", "1", "--month", "May",
                                            "--year", "1990"};
    for (const std::vector<std::string>& head :
         {std::vector<std::string>{"report", "arabic"},
          std::vector<std::string>{"save", "a.num", "arabic"}}) {
        std::vector<std::string> arguments = head;
        arguments.insert(arguments.end(), birth.begin(), birth.end());
        const Outcome outcome = Invoke(arguments);
        EXPECT_EQ(outcome.status, 2) << head[0];
        EXPECT_EQ(outcome.out, "") << head[0];
    }
}

class NumerologyFiles : public CliFilesTest {
protected:
    std::string Write(const std::string& file, const std::vector<std::string>& lines) const {
        const std::string path = Path(file);
        EXPECT_TRUE(WriteRecordFile(path, lines));
        return path;
    }
};

TEST_F(NumerologyFiles, OpenTakesTheDateFromLinesFourToSixAndTheNameFromTheCommand) {
    const std::string path =
        Write("nadia.num", {"Nadia Karim", "7", "x", "March", "21", "1975", "extra"});
    const struct {
        const char* what;
        std::vector<std::string> arguments;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {"with a name", {"open", path, "--json", "--name", "Sam"}, 0,
         JsonLine("Sam", "Aries", "Hamal", "Al Haml", 0), ""},
        {"the file's first line is no name", {"open", path}, 1, "", "Please Enter Your Name\n"},
        {"a name of spaces passes", {"open", path, "--json", "--name", "  "}, 0,
         JsonLine("", "Aries", "Hamal", "Al Haml", 0), ""},
    };
    for (const auto& c : cases) {
        const Outcome outcome = Invoke(c.arguments);
        EXPECT_EQ(outcome.status, c.status) << c.what;
        EXPECT_EQ(outcome.out, c.out) << c.what;
        EXPECT_EQ(outcome.err, c.err) << c.what;
    }
}

TEST_F(NumerologyFiles, MissingOrUnknownLinesKeepTheFreshListsAndCapitalsAreRefused) {
    // Four lines: the month only; day 1 and 1900 stay selected. 1 July is Cancer.
    const std::string shortFile = Write("short.num", {"a", "b", "c", "July"});
    EXPECT_EQ(Invoke({"open", shortFile, "--json", "--name", "Bo"}).out,
              Invoke(Reading("Bo", "1", "July", "1900")).out);
    const std::string odd = Write("odd.num", {"a", "b", "c", "july", "021", "1850"});
    EXPECT_EQ(Invoke({"open", odd, "--json", "--name", "Bo"}).out,
              Invoke(Reading("Bo", "1", "January", "1900")).out);

    const Outcome capitals = Invoke({"open", Write("x.NUM", {"a", "b", "c", "May", "1", "1990"}),
                                     "--name", "Bo"});
    EXPECT_EQ(capitals.status, 1);
    EXPECT_EQ(capitals.err, "Please Check The File.\n");
}

}  // namespace
}  // namespace oriastra::cli
