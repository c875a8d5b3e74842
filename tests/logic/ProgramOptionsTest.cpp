#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "shell/logic/ProgramOptions.h"

namespace oriastra {
namespace {

struct ArgumentsCase {
    std::string name;
    std::vector<std::string_view> arguments;
    ProgramAction action;
    std::string problem = "";
    std::vector<std::string> files = {};
    friend void PrintTo(const ArgumentsCase& row, std::ostream* os) { *os << row.name; }
};

class ProgramArguments : public testing::TestWithParam<ArgumentsCase> {};

TEST_P(ProgramArguments, AreReadBeforeAnyWindow) {
    const ProgramRequest request = ReadProgramArguments(GetParam().arguments);
    EXPECT_EQ(request.action, GetParam().action);
    EXPECT_EQ(request.problem, GetParam().problem);
    EXPECT_EQ(request.files, GetParam().files);
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, ProgramArguments,
    testing::Values(
        ArgumentsCase{"NoneRuns", {}, ProgramAction::Run},
        // Record files given on the command line are for the run to open, in their order.
        ArgumentsCase{"PlainArgumentsAreFiles", {"ann.tib", "-", "b.bur"}, ProgramAction::Run, "",
                      {"ann.tib", "-", "b.bur"}},
        ArgumentsCase{"Help", {"--help"}, ProgramAction::Help},
        ArgumentsCase{"ShortHelp", {"-h"}, ProgramAction::Help},
        ArgumentsCase{"Version", {"--version"}, ProgramAction::Version},
        ArgumentsCase{"FirstRequestWins", {"x.tib", "--version", "--help"}, ProgramAction::Version},
        ArgumentsCase{"ToolkitOptionsWithValues",
                      {"-platform", "offscreen", "--style", "fusion", "-reverse", "-style=x", "a.jav"},
                      ProgramAction::Run, "", {"a.jav"}},
        ArgumentsCase{"ToolkitValueIsNoOptionAndNoFile", {"-name", "--help"}, ProgramAction::Run},
        ArgumentsCase{"ToolkitOptionWithoutValue", {"-platform"}, ProgramAction::UsageError,
                      "option '-platform' needs a value"},
        ArgumentsCase{"UnknownLongOption", {"--json"}, ProgramAction::UsageError,
                      "unknown option '--json'"},
        ArgumentsCase{"UnknownAfterAFile", {"a.tib", "-x"}, ProgramAction::UsageError,
                      "unknown option '-x'"},
        ArgumentsCase{"HelpWithAValueIsUnknown", {"--help=1"}, ProgramAction::UsageError,
                      "unknown option '--help=1'"},
        ArgumentsCase{"AfterDoubleDashAllAreFiles", {"a.tib", "--", "--help", "-x", "--"},
                      ProgramAction::Run, "", {"a.tib", "--help", "-x", "--"}}),
    [](const auto& info) { return info.param.name; });

struct Answer {
    int status;
    std::string out;
    std::string err;
};

// `out` null: a temporary file; otherwise the stream given, closed afterwards.
Answer AnswerOf(const ProgramRequest& request, std::FILE* given = nullptr) {
    std::FILE* out = given ? given : std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = AnswerProgramRequest(request, out, err);
    const auto read = [](std::FILE* file) {
        std::string text;
        std::rewind(file);
        for (int c; (c = std::fgetc(file)) != EOF;) text += static_cast<char>(c);
        std::fclose(file);
        return text;
    };
    return {status, given ? (std::fclose(out), "") : read(out), read(err)};
}

TEST(ProgramAnswer, HelpAndVersionGoToStandardOutput) {
    const Answer help = AnswerOf({ProgramAction::Help, {}, {}});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: kestrin-oriastra [OPTION]... [FILE]...\n")) << help.out;
    for (const char* option : {"--help", "--version", "oriastra-cli"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    EXPECT_EQ(help.err, "");

    const Answer version = AnswerOf({ProgramAction::Version, {}, {}});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "kestrin-oriastra " ORIASTRA_VERSION "\n");
    EXPECT_EQ(version.err, "");
}

TEST(ProgramAnswer, UsageErrorGoesToStandardErrorWithAHint) {
    const Answer answer = AnswerOf({ProgramAction::UsageError, "unknown option '-x'", {}});
    EXPECT_EQ(answer.status, 2);
    EXPECT_EQ(answer.out, "");
    EXPECT_EQ(answer.err,
              "kestrin-oriastra: unknown option '-x'\n"
              "Try 'kestrin-oriastra --help' for more information.\n");
}

// Standard output that takes no writing, like a closed descriptor: the read end of a pipe.
TEST(ProgramAnswer, UnwrittenOutputIsAFailure) {
    for (const ProgramAction action : {ProgramAction::Help, ProgramAction::Version}) {
        int ends[2];
        ASSERT_EQ(::pipe(ends), 0);
        const Answer answer = AnswerOf({action, {}, {}}, ::fdopen(ends[0], "r"));
        ::close(ends[1]);
        EXPECT_EQ(answer.status, 3);
        EXPECT_TRUE(answer.err.starts_with("kestrin-oriastra: cannot write standard output: "))
            << answer.err;
    }
}

// `word` in `text`, not as the start of a longer word ("\\-h" is not "\\-help").
bool HoldsWord(const std::string& text, const std::string& word) {
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if (end == text.size() || !(std::isalnum(static_cast<unsigned char>(text[end])) ||
                                    text[end] == '\\' || text[end] == '-'))
            return true;
    }
    return false;
}

// The program's manual page is written by hand: every option the help names is documented there.
TEST(ProgramManualPage, DocumentsTheOptionsOfTheHelpAndPointsToTheCli) {
    std::ifstream file(ORIASTRA_PROGRAM_PAGE);
    const std::string page{std::istreambuf_iterator<char>(file), {}};
    const std::size_t options = page.find("\n.SH OPTIONS\n");
    ASSERT_NE(options, std::string::npos);
    const std::string help = AnswerOf({ProgramAction::Help, {}, {}}).out;
    // The option lines of the help: "  -h, --help     show this help and exit".
    int named = 0;
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t first = line.find_first_not_of(' ');
        if (first == 0 || first == std::string::npos || line[first] != '-') continue;
        const std::string terms = line.substr(first, line.find("  ", first) - first);
        for (std::size_t at = 0; at < terms.size();) {
            const std::size_t end = std::min(terms.find(", ", at), terms.size());
            std::string roff;
            for (const char c : terms.substr(at, end - at))
                roff += c == '-' ? "\\-" : std::string(1, c);
            EXPECT_TRUE(HoldsWord(page.substr(options), " " + roff)) << roff;
            ++named;
            at = end + 2;
        }
    }
    EXPECT_GE(named, 3);
    EXPECT_NE(page.find("\n.SH SEE ALSO\n.BR oriastra\\-cli (1)"), std::string::npos);
}

}  // namespace
}  // namespace oriastra
