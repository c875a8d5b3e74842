#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "HelpText.h"
#include "ManualPage.h"

namespace oriastra::packaging {
namespace {

const ManualPageTitle kTitle{"prog", "does things", "Prog 2.0"};

struct PageCase {
    std::string name;
    std::string help;
    std::string expected;  // a run of lines the page holds
    ManualPageExtras extras = {};
    friend void PrintTo(const PageCase& row, std::ostream* os) { *os << row.name; }
};

class ManualPageLayout : public testing::TestWithParam<PageCase> {};

TEST_P(ManualPageLayout, HoldsTheLines) {
    const std::string page = ManualPageFromHelp(GetParam().help, kTitle, GetParam().extras);
    EXPECT_NE(page.find(GetParam().expected), std::string::npos) << page;
}

INSTANTIATE_TEST_SUITE_P(
    Help, ManualPageLayout,
    testing::Values(
        PageCase{"TitleAndName", "Usage:\n  prog x\n",
                 ".TH PROG 1 \"\" \"Prog 2.0\" \"User Commands\"\n.nh\n.SH NAME\nprog \\- does things\n"},
        PageCase{"SynopsisLiteralsBoldPlaceholdersItalic",
                 "Usage:\n  prog open  FILE [--json]\n  prog --help\n",
                 ".SH SYNOPSIS\n\\fBprog\\fR \\fBopen\\fR \\fIFILE\\fR [\\fB\\-\\-json\\fR]\n.br\n"
                 "\\fBprog\\fR \\fB\\-\\-help\\fR\n"},
        PageCase{"TwoColumnsWithContinuation",
                 "Commands:\n  open      read a file and\n            print it\n  save      write\n",
                 ".SH COMMANDS\n.TP\n\\fBopen\\fR\nread a file and print it\n.TP\n\\fBsave\\fR\nwrite\n"},
        PageCase{"OptionWithValue", "Options:\n  --name=TEXT    the name\n",
                 ".TP\n\\fB\\-\\-name\\fR=\\fITEXT\\fR\nthe name\n"},
        PageCase{"LineWithoutSecondColumnIsAParagraph",
                 "Options:\n  --json   JSON output\n  --x=Y works too.\n",
                 "JSON output\n.PP\n\\-\\-x=Y works too.\n"},
        PageCase{"HeadingWithTextOnItsLine", "Exit status: 0 success,\n2 usage error.\n",
                 ".SH EXIT STATUS\n0 success, 2 usage error.\n"},
        PageCase{"FreeParagraphsGoToTheDescription",
                 "Usage:\n  prog\n\nOptions:\n  -a   all\n\nA is one\n    or two.\n\nB is three.\n",
                 ".SH SYNOPSIS\n\\fBprog\\fR\n.SH DESCRIPTION\nA is one or two.\n.PP\nB is three.\n"
                 ".SH OPTIONS\n"},
        PageCase{"BackslashAndLeadingDotEscaped", "Files:\n  x   .tib or C:\\x\n",
                 "\\&.tib or C:\\ex\n"},
        PageCase{"CarriageReturnsAndTrailingSpacesDropped", "Options:  \r\n  -a   all  \r\n",
                 ".SH OPTIONS\n.TP\n\\fB\\-a\\fR\nall\n"},
        PageCase{"OtherThanAsciiAsNamedGlyphs", "Options:\n  -a   January \u2026 \u00e9\n",
                 "January \\[u2026] \\[u00E9]\n"},
        PageCase{"ExamplesAfterTheSectionsWithTheirLeadIn", "Options:\n  -a   all\n",
                 "all\n.SH EXAMPLES\n.PP\nRun \\fBprog \\-a\\fR like this:\n.PP\n.RS 4\n.EX\n"
                 "$ prog \\-a \"x y\"\nout \\e \\[u2026]\n\\&\n\\&.dot\n.EE\n.RE\n",
                 {"# Title\n\nRun `prog -a`\nlike this:\n\n```sh\n$ prog -a \"x y\"\nout \\ \u2026\n\n"
                  ".dot\n```\n", {}}},
        PageCase{"ExamplesWithoutALeadThatIntroducesThem", "",
                 ".SH EXAMPLES\n.PP\n.RS 4\n.EX\n$ prog\n.EE\n.RE\n.PP\n.RS 4\n.EX\n$ prog b\n",
                 {"Some prose.\n\n```sh\n$ prog\n```\n## Next:\n```\n$ prog b\n```\n", {}}},
        PageCase{"OnlyBlocksThatRunTheProgram", "",
                 ".SH EXAMPLES\n.PP\n.RS 4\n.EX\n$ prog x\n.EE\n.RE\n",
                 {"Other:\n\n```sh\nprog y\n$ program z\n$ progx\n```\n\n```sh\n$ prog x\n```\n", {}}},
        PageCase{"SeeAlsoLast", "Options:\n  -a   all\n",
                 "all\n.SH SEE ALSO\n.BR other\\-prog (1),\n.BR third (5)\n",
                 {"", {"other-prog(1)", "third(5)"}}}),
    [](const auto& info) { return info.param.name; });

// The real --help keeps the layout the page is drawn from: every command and option is a tagged
// paragraph of its section.
TEST(ManualPageOfTheCli, EveryCommandAndOptionIsTagged) {
    const std::string page = ManualPageFromHelp(cli::HelpText(), {"oriastra-cli", "s", "x"});
    for (const std::string section : {"SYNOPSIS", "DESCRIPTION", "COMMANDS", "OPTIONS",
                                      "EXIT STATUS"})
        EXPECT_NE(page.find("\n.SH " + section + "\n"), std::string::npos) << section;
    for (const std::string tag :
         {"\\fBreading\\fR", "\\fBreport\\fR", "\\fBsave\\fR", "\\fBopen\\fR", "\\fBbatch\\fR",
          "\\fB\\-\\-name\\fR \\fITEXT\\fR", "\\fB\\-\\-day\\fR \\fID\\fR",
          "\\fB\\-\\-month\\fR \\fIMONTH\\fR", "\\fB\\-\\-year\\fR \\fIY\\fR",
          "\\fB\\-\\-sex\\fR \\fBMale\\fR|\\fBFemale\\fR",
          "\\fB\\-\\-afternoon\\fR \\fByes\\fR|\\fBno\\fR", "\\fB\\-\\-json\\fR"})
        EXPECT_NE(page.find(".TP\n" + tag + "\n"), std::string::npos) << tag;
}

// The command lines of the README's examples: "$ oriastra-cli ..." up to a redirection or comment.
struct ReadmeCommand {
    std::string line;
    std::vector<std::string> words;  // without the program
};

std::vector<ReadmeCommand> ReadmeCommandLines() {
    std::ifstream file(ORIASTRA_README);
    std::vector<ReadmeCommand> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.starts_with("$ oriastra-cli ")) continue;
        std::vector<std::string> words(1);
        bool quoted = false;
        for (const char c : line.substr(15)) {
            if (!quoted && (c == '<' || c == '>' || c == '#' || c == '|')) break;
            if (c == '"') quoted = !quoted;
            else if (c == ' ' && !quoted) {
                if (!words.back().empty()) words.emplace_back();
            } else words.back() += c;
        }
        if (words.back().empty()) words.pop_back();
        lines.push_back({line, words});
    }
    return lines;
}

// The page's examples are the README's, and they still run: each parses as a command line.
TEST(ManualPageOfTheCli, ShowsTheReadmeExamplesAndPointsToTheProgram) {
    std::ifstream file(ORIASTRA_README);
    const std::string readme{std::istreambuf_iterator<char>(file), {}};
    const std::string page =
        ManualPageFromHelp(cli::HelpText(), {"oriastra-cli", "s", "x"},
                           {readme, {"kestrin-oriastra(1)"}});
    EXPECT_LT(page.find("\n.SH EXIT STATUS\n"), page.find("\n.SH EXAMPLES\n"));
    EXPECT_TRUE(page.ends_with("\n.SH SEE ALSO\n.BR kestrin\\-oriastra (1)\n")) << page;

    const auto lines = ReadmeCommandLines();
    ASSERT_GE(lines.size(), 5u);
    for (const auto& [line, words] : lines) {
        EXPECT_NO_THROW(cli::ParseCommandLine(words)) << line;
        std::string shown;
        for (const char c : line) shown += c == '-' ? std::string("\\-") : std::string(1, c);
        EXPECT_NE(page.find("\n" + shown + "\n"), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace oriastra::packaging
