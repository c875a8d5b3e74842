#include <gtest/gtest.h>

#include <sstream>

#include "BirthArguments.h"
#include "CliRun.h"
#include "UsageError.h"
#include "african/logic/AfricanTradition.h"
#include "arabic/logic/ArabicTradition.h"
#include "burmese/logic/BurmeseTradition.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "registry/logic/TraditionRegistry.h"
#include "tibetan/logic/TibetanTradition.h"

namespace oriastra::cli {
namespace {

std::vector<std::string> Tibetan(std::vector<std::string> extra) {
    std::vector<std::string> arguments = {"reading", "tibetan", "--name", "Ann", "--day", "5",
                                          "--month", "April", "--year", "1980", "--sex", "Male"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return arguments;
}

struct UsageCase {
    std::string name;
    std::vector<std::string> arguments;
    std::string explanation;  // part of the one-line explanation
    friend void PrintTo(const UsageCase& row, std::ostream* os) { *os << row.name; }
};

class UsageErrors : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageErrors, ExitTwoWithOneLineAndHint) {
    const Outcome outcome = Invoke(GetParam().arguments);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    const std::string hint = "\nTry 'oriastra-cli --help'.\n";
    ASSERT_TRUE(outcome.err.starts_with("oriastra-cli: ")) << outcome.err;
    ASSERT_TRUE(outcome.err.ends_with(hint)) << outcome.err;
    const std::string line = outcome.err.substr(0, outcome.err.size() - hint.size());
    EXPECT_EQ(line.find('\n'), std::string::npos) << outcome.err;
    EXPECT_NE(line.find(GetParam().explanation), std::string::npos) << outcome.err;
}

const std::vector<std::string> kBirth = {"--name", "A", "--day", "1", "--month", "May",
                                         "--year", "1990", "--sex", "Male"};

std::vector<std::string> With(std::vector<std::string> head, std::vector<std::string> tail = kBirth) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

INSTANTIATE_TEST_SUITE_P(
    Cli, UsageErrors,
    testing::Values(
        UsageCase{"NoArguments", {}, "no command"},
        UsageCase{"UnknownCommand", {"readings", "tibetan"}, "unknown command 'readings'"},
        UsageCase{"OptionBeforeCommand", {"--json"}, "'--json'"},
        UsageCase{"UnknownOption", Tibetan({"--nmae", "x"}), "unknown option '--nmae'"},
        UsageCase{"SingleDashOption", Tibetan({"-j"}), "unknown option '-j'"},
        UsageCase{"MissingValueAtEnd", {"reading", "tibetan", "--name"}, "missing value for --name"},
        UsageCase{"UnknownTradition", With({"reading", "tibet"}), "unknown tradition 'tibet'"},
        UsageCase{"MissingTradition", {"reading"}, "missing TRADITION"},
        UsageCase{"ExtraArgument", Tibetan({"extra"}), "unexpected argument 'extra'"},
        UsageCase{"DayZero", {"reading", "tibetan", "--name", "A", "--day", "0", "--month", "May", "--year", "1990"}, "day '0'"},
        UsageCase{"YearOutsideList", {"report", "tibetan", "--name", "A", "--day", "1", "--month", "May", "--year", "1929"}, "year 1929 is outside 1930-2030"},
        UsageCase{"SexForAfrican", With({"reading", "african"}), "only asked by the tibetan"},
        UsageCase{"RepeatedOption", Tibetan({"--json", "--json"}), "--json is given twice"},
        UsageCase{"JsonWithValue", Tibetan({"--json=yes"}), "--json takes no value"},
        UsageCase{"MissingName", {"reading", "tibetan", "--day", "1", "--month", "May", "--year", "1990"}, "missing --name"},
        UsageCase{"MissingDay", {"reading", "tibetan", "--name", "A", "--month", "May", "--year", "1990"}, "missing --day"},
        UsageCase{"MissingMonth", {"reading", "tibetan", "--name", "A", "--day", "1", "--year", "1990"}, "missing --month"},
        UsageCase{"MissingYear", {"report", "tibetan", "--name", "A", "--day", "1", "--month", "May"}, "missing --year"},
        UsageCase{"ReportArabic", With({"report", "arabic"}, {}), "arabic tradition has no report"},
        UsageCase{"SaveWrongTradition", With({"save", "a.bur", "tibetan"}), "must end in .tib"},
        UsageCase{"SaveExtensionInCapitals", With({"save", "a.TIB", "tibetan"}), "must end in .tib"},
        UsageCase{"SaveAfricanWrongExtension", {"save", "a.tib", "african", "--name", "A", "--day", "1", "--month", "May", "--year", "1990"}, "an African record file must end in .afa"},
        UsageCase{"SaveIndonesianWrongExtension", {"save", "a.tib", "indonesian", "--name", "A", "--day", "1", "--month", "May", "--year", "1990"}, "an Indonesian record file must end in .jav"},
        UsageCase{"SaveBurmeseWrongExtension", {"save", "a.tib", "burmese", "--name", "A", "--day", "1", "--month", "May", "--year", "1990"}, "a Burmese record file must end in .bur"},
        UsageCase{"NulInAValueKeepsTheRest", {"reading", "african", "--name", "A", "--day", std::string("1\0x", 3), "--month", "May", "--year", "1990"}, "day '1\\x00x' is not"},
        UsageCase{"SaveMissingTradition", {"save", "a.tib"}, "missing TRADITION"},
        UsageCase{"SaveTakesNoJson", With({"save", "a.tib", "tibetan", "--json"}), "--json is not used by save"},
        UsageCase{"OpenTakesNoDay", {"open", "a.tib", "--day", "3"}, "--day is not used by open"},
        UsageCase{"BatchTakesNoName", {"batch", "tibetan", "--name", "A"}, "--name is not used by batch"}),
    [](const auto& info) { return info.param.name; });

struct BadValueCase {
    std::string name;
    Tradition tradition;
    BirthArguments arguments;
    std::string explanation;
    friend void PrintTo(const BadValueCase& row, std::ostream* os) { *os << row.name; }
};

class BadBirthValues : public testing::TestWithParam<BadValueCase> {};

TEST_P(BadBirthValues, AreUsageErrors) {
    try {
        ReadBirthArguments(GetParam().tradition, GetParam().arguments);
        FAIL() << "accepted";
    } catch (const UsageError& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().explanation), std::string::npos)
            << error.what();
    }
}

BirthArguments Args(std::string day, std::string month, std::string year,
                    std::optional<std::string> sex = {}, std::optional<std::string> afternoon = {}) {
    return {"A", std::move(day), std::move(month), std::move(year), std::move(sex),
            std::move(afternoon)};
}

INSTANTIATE_TEST_SUITE_P(
    Cli, BadBirthValues,
    testing::Values(
        BadValueCase{"DayZero", kTibetanTradition, Args("0", "May", "1990"), "day '0'"},
        BadValueCase{"Day32", kTibetanTradition, Args("32", "May", "1990"), "day '32'"},
        BadValueCase{"DayWithSpace", kAfricanTradition, Args(" 5", "May", "1990"), "day ' 5'"},
        BadValueCase{"DayEmpty", kAfricanTradition, Args("", "May", "1990"), "day ''"},
        BadValueCase{"MonthLowerCase", kArabicTradition, Args("1", "may", "1990"), "month 'may'"},
        BadValueCase{"YearNotNumber", kArabicTradition, Args("1", "May", "19x0"), "year '19x0'"},
        BadValueCase{"TibetanBeforeList", kTibetanTradition, Args("1", "May", "1929"), "outside 1930-2030"},
        BadValueCase{"TibetanAfterList", kTibetanTradition, Args("1", "May", "2031"), "outside 1930-2030"},
        BadValueCase{"AfricanAfterList", kAfricanTradition, Args("1", "May", "2017"), "outside 1900-2016"},
        BadValueCase{"IndonesianBeforeList", kIndonesianTradition, Args("1", "May", "1900"), "outside 1901-2036"},
        BadValueCase{"ArabicAfterList", kArabicTradition, Args("1", "May", "2051"), "outside 1900-2050"},
        BadValueCase{"BurmeseBeforeList", kBurmeseTradition, Args("1", "May", "1900"), "outside 1901-2050"},
        BadValueCase{"SexForBurmese", kBurmeseTradition, Args("1", "May", "1990", "Male"), "only asked by the tibetan"},
        BadValueCase{"SexLowerCase", kTibetanTradition, Args("1", "May", "1990", "male"), "sex 'male'"},
        BadValueCase{"AfternoonTrue", kBurmeseTradition, Args("1", "May", "1990", {}, "True"), "afternoon 'True'"}),
    [](const auto& info) { return info.param.name; });

TEST(CliBirthArguments, EdgesOfEachListAreAccepted) {
    for (Tradition tradition : AllTraditions()) {
        const PanelRules& rules = Describe(tradition).panel;
        for (int year : {rules.firstYear, rules.lastYear}) {
            const auto request =
                ReadBirthArguments(tradition, Args("31", "December", std::to_string(year)));
            EXPECT_EQ(request.entries.yearText, std::to_string(year));
            EXPECT_EQ(request.entries.dayPosition, 30);
            EXPECT_EQ(request.entries.monthPosition, 11);
        }
    }
}

TEST(CliBirthArguments, ChoicesBecomeWindowSelections) {
    const auto female = ReadBirthArguments(kTibetanTradition, Args("01", "January", "1990", "Female"));
    EXPECT_EQ(female.entries.dayPosition, 0);
    EXPECT_TRUE(female.entries.femaleSelected);
    EXPECT_FALSE(female.entries.maleSelected);
    const auto none = ReadBirthArguments(kTibetanTradition, Args("1", "January", "1990"));
    EXPECT_FALSE(none.entries.maleSelected || none.entries.femaleSelected);
    EXPECT_EQ(none.afternoonAnswer, "");
    EXPECT_EQ(ReadBirthArguments(kBurmeseTradition, Args("1", "May", "1990", {}, "yes")).afternoonAnswer, "True");
    EXPECT_EQ(ReadBirthArguments(kBurmeseTradition, Args("1", "May", "1990", {}, "no")).afternoonAnswer, "False");
}

TEST(CliArguments, HelpAndVersion) {
    const Outcome version = Invoke({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "oriastra-cli " ORIASTRA_VERSION "\n");

    const Outcome help = Invoke({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* word : {"reading", "report", "save", "open", "batch", "--name", "--day",
                             "--month", "--year", "--sex", "--afternoon", "--json", "--version",
                             "batch TRADITION [FILE|-]"}) {
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    }
    EXPECT_EQ(Invoke(Tibetan({"--help"})).out, help.out);
}

TEST(CliArguments, OptionFormsAndOrderAreFree) {
    const Outcome usual = Invoke(Tibetan({"--json"}));
    ASSERT_EQ(usual.status, 0) << usual.err;
    const Outcome reordered = Invoke({"reading", "--json", "--year=1980", "--sex", "Male", "--name=Ann",
                                   "--day", "5", "tibetan", "--month", "April"});
    EXPECT_EQ(reordered.status, 0) << reordered.err;
    EXPECT_EQ(reordered.out, usual.out);
    // An empty name is a value, so the window's own message answers it.
    const Outcome empty = Invoke({"reading", "tibetan", "--name=", "--day", "5", "--month", "April",
                               "--year", "1980", "--sex", "Male"});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "Please Enter Your Name\n");
}

}  // namespace
}  // namespace oriastra::cli
