#include <gtest/gtest.h>

#include <algorithm>

#include "CliRun.h"

namespace oriastra::cli {
namespace {

std::vector<std::string> Birth(const std::string& head, const std::string& tradition,
                               const std::string& name) {
    std::vector<std::string> arguments = {head,    tradition, "--name", name,  "--day", "1",
                                          "--month", "May",     "--year", "1990"};
    if (tradition == "tibetan") arguments.insert(arguments.end(), {"--sex", "Male"});
    return arguments;
}

struct TextCase {
    std::string name;
    std::vector<std::string> arguments;
    int status;
    std::string fragment;  // a piece of standard output, or of standard error on a failure
    friend void PrintTo(const TextCase& row, std::ostream* os) { *os << row.name; }
};

class TextOutput : public testing::TestWithParam<TextCase> {};

// A value never starts a line of its own: the line after the break it holds would look like a
// field, or a report line, of its own.
TEST_P(TextOutput, ShowsLineBreaksInsideValuesAsEscapes) {
    const Outcome outcome = Invoke(GetParam().arguments);
    EXPECT_EQ(outcome.status, GetParam().status) << outcome.err;
    const std::string& shown = GetParam().status == 0 ? outcome.out : outcome.err;
    EXPECT_NE(shown.find(GetParam().fragment), std::string::npos) << shown;
    EXPECT_EQ(shown.find("\nEvil"), std::string::npos) << shown;
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\r'), 0) << shown;
}

INSTANTIATE_TEST_SUITE_P(
    Cli, TextOutput,
    testing::Values(
        TextCase{"ReadingName", Birth("reading", "african", "Bob\r\nEvil"), 0, "\nName: Bob\\r\\nEvil\nAfrican astrology symbol: "},
        TextCase{"ReadingTab", Birth("reading", "indonesian", "Bob\tEvil"), 0, "\nName: Bob\\tEvil\n"},
        TextCase{"ReadingLoneCarriageReturn", Birth("reading", "burmese", "Bob\rEvil"), 0, "\nName: Bob\\rEvil\n"},
        TextCase{"TibetanReport", Birth("report", "tibetan", "Bob\nEvil"), 0, "Your Name: Bob\\nEvil\n"},
        TextCase{"BurmeseReportKeepsTheTypedName", Birth("report", "burmese", " Bob\r\nEvil "), 0, "Name :-  Bob\\r\\nEvil \n\n"},
        TextCase{"AfricanReport", Birth("report", "african", "Bob\nEvil"), 0, "Name: Bob\\nEvil\n"},
        TextCase{"IndonesianReport", Birth("report", "indonesian", "Bob\nEvil"), 0, "Name: Bob\\nEvil\n"},
        TextCase{"UsageMessage", {"reading", "african", "--name", "A", "--day", "1", "--month", "May\nEvil", "--year", "1990"}, 2, "month 'May\\nEvil' is not"}),
    [](const auto& info) { return info.param.name; });

// The Arabic descriptions hold CR LF joints: in text they are escapes inside the one line.
TEST(CliTextOutput, EveryReadingFieldIsOneLine) {
    const Outcome outcome = Invoke(Birth("reading", "arabic", "Nadia"));
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(outcome.out.find("\\r\\n"), std::string::npos) << outcome.out;
    EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 6) << outcome.out;
}

// A report's own line breaks stay real ones.
TEST(CliTextOutput, ReportLinesStaySeparate) {
    const Outcome outcome = Invoke(Birth("report", "african", "Bob"));
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(outcome.out.starts_with("Name: Bob\n\nDate of Birth: ")) << outcome.out;
}

}  // namespace
}  // namespace oriastra::cli
