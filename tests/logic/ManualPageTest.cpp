#include <gtest/gtest.h>

#include "HelpText.h"
#include "ManualPage.h"

namespace oriastra::packaging {
namespace {

const ManualPageTitle kTitle{"prog", "does things", "Prog 2.0"};

struct PageCase {
    std::string name;
    std::string help;
    std::string expected;  // a run of lines the page holds
    friend void PrintTo(const PageCase& row, std::ostream* os) { *os << row.name; }
};

class ManualPageLayout : public testing::TestWithParam<PageCase> {};

TEST_P(ManualPageLayout, HoldsTheLines) {
    const std::string page = ManualPageFromHelp(GetParam().help, kTitle);
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
                 ".SH OPTIONS\n.TP\n\\fB\\-a\\fR\nall\n"}),
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

}  // namespace
}  // namespace oriastra::packaging
