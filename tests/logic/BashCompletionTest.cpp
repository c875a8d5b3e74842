// The bash completion of oriastra-cli, run in a real bash: what it offers must be exactly what the
// command line takes, so a command, tradition or option added to one and not the other fails here.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include "CliOptions.h"
#include "HelpText.h"
#include "UsageError.h"
#include "common/logic/Months.h"
#include "common/logic/Tradition.h"
#include "registry/logic/TraditionRegistry.h"

namespace oriastra::cli {
namespace {

using Words = std::set<std::string>;

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// What the completion offers for the last of `words` (the word being typed), run in `folder`.
Words Offered(const std::vector<std::string>& words, const std::string& folder = ".") {
    std::string command = "cd " + ShellQuoted(folder) + " && bash --norc --noprofile -c " +
                          ShellQuoted("source " + ShellQuoted(ORIASTRA_COMPLETION_FILE) +
                                      " && COMP_WORDS=(\"$@\") && COMP_CWORD=$(($# - 1)) &&"
                                      " _oriastra_cli && printf '%s\\n' \"${COMPREPLY[@]}\"") +
                          " _ oriastra-cli";
    for (const std::string& word : words) command += " " + ShellQuoted(word);
    std::FILE* pipe = popen(command.c_str(), "r");
    EXPECT_NE(pipe, nullptr);
    if (pipe == nullptr) return {};
    std::string output;
    char buffer[4096];
    for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, count);
    EXPECT_EQ(pclose(pipe), 0) << command;
    Words offered;
    for (std::size_t start = 0, end; (end = output.find('\n', start)) != std::string::npos;
         start = end + 1) {
        if (end > start) offered.insert(output.substr(start, end - start));
    }
    return offered;
}

// The command words of the help's usage lines ("  oriastra-cli batch TRADITION ...").
Words CommandsOfTheHelp() {
    Words commands;
    const std::string help(HelpText());
    const std::string prefix = "  oriastra-cli ";
    for (std::size_t at = help.find(prefix); at != std::string::npos;
         at = help.find(prefix, at + 1)) {
        const std::size_t start = at + prefix.size();
        const std::string word = help.substr(start, help.find_first_of(" \n", start) - start);
        if (!word.starts_with("-")) commands.insert(word);
    }
    return commands;
}

// Every "--option" the help mentions.
Words OptionsOfTheHelp() {
    Words options;
    const std::string help(HelpText());
    for (std::size_t at = help.find("--"); at != std::string::npos; at = help.find("--", at + 2)) {
        std::size_t end = at + 2;
        while (end < help.size() && std::islower(static_cast<unsigned char>(help[end]))) ++end;
        if (end > at + 2) options.insert(help.substr(at, end - at));
    }
    return options;
}

// Whether the parser takes `option` after `command`: a trailing --help turns any line whose
// words were all taken into a help request, so no message wording is relied on.
bool Takes(const std::string& command, const std::string& option) {
    try {
        const std::string word = option == "--json" ? option : option + "=x";
        return ParseCommandLine({command, word, "--help"}).command == Command::Help;
    } catch (const UsageError&) {
        return false;
    }
}

TEST(BashCompletion, OffersExactlyTheCommandsOfTheCli) {
    Words offered = Offered({""});
    EXPECT_EQ(offered.erase("--help") + offered.erase("--version"), 2u);
    EXPECT_EQ(offered, CommandsOfTheHelp());
    // An unknown command word is a usage error even before --help.
    for (const std::string& command : offered)
        EXPECT_NO_THROW(ParseCommandLine({command, "--help"})) << command;
    EXPECT_EQ(Offered({"re"}), (Words{"reading", "report"}));
}

TEST(BashCompletion, OffersEachCommandExactlyTheOptionsItTakes) {
    Words everyOption = OptionsOfTheHelp();
    for (const std::string& command : CommandsOfTheHelp()) {
        const Words offered = Offered({command, "--"});
        everyOption.insert(offered.begin(), offered.end());
    }
    everyOption.erase("--help");
    everyOption.erase("--version");
    ASSERT_GE(everyOption.size(), 7u);
    for (const std::string& command : CommandsOfTheHelp()) {
        const Words offered = Offered({command, "--"});
        EXPECT_TRUE(offered.contains("--help")) << command;
        for (const std::string& option : everyOption)
            EXPECT_EQ(offered.contains(option), Takes(command, option)) << command << " " << option;
    }
}

TEST(BashCompletion, OffersTheTraditionsEachCommandTakes) {
    Words all;
    Words withReport;
    for (const Tradition tradition : AllTraditions()) {
        all.insert(std::string(TraditionKey(tradition)));
        if (Describe(tradition).HasReport()) withReport.insert(std::string(TraditionKey(tradition)));
    }
    EXPECT_EQ(Offered({"reading", ""}), all);
    EXPECT_EQ(Offered({"batch", ""}), all);
    EXPECT_EQ(Offered({"report", ""}), withReport);
    EXPECT_EQ(Offered({"save", "x.tib", ""}), withReport);
    // Options and their values before the tradition are no positional argument.
    EXPECT_EQ(Offered({"reading", "--name", "Bob", "--month=May", ""}), all);
    EXPECT_EQ(Offered({"reading", "--name", "=", "Bob", ""}), all);
}

TEST(BashCompletion, OffersTheValuesTheCliTakes) {
    const Words months(kMonthNames.begin(), kMonthNames.end());
    EXPECT_EQ(Offered({"reading", "tibetan", "--month", ""}), months);
    EXPECT_EQ(Offered({"reading", "tibetan", "--month", "=", ""}), months);
    EXPECT_EQ(Offered({"reading", "tibetan", "--month", "=", "Ju"}), (Words{"June", "July"}));
    EXPECT_TRUE(Offered({"reading", "tibetan", "--name", ""}).empty());
    EXPECT_TRUE(Offered({"reading", "tibetan", "--day", ""}).empty());

    const std::vector<std::string> birth = {"--name", "A", "--day", "1", "--month", "May",
                                            "--year"};
    struct ValueCase {
        std::string tradition, option, year;
    };
    for (const auto& [tradition, option, year] :
         {ValueCase{"tibetan", "--sex", "1980"}, ValueCase{"burmese", "--afternoon", "1980"}}) {
        const Words values = Offered({"reading", tradition, option, ""});
        EXPECT_EQ(values.size(), 2u) << option;
        for (const std::string& value : values) {
            std::vector<std::string> line = {"reading", tradition};
            line.insert(line.end(), birth.begin(), birth.end());
            line.insert(line.end(), {year, option, value});
            EXPECT_NO_THROW(ParseCommandLine(line)) << option << " " << value;
        }
    }
}

TEST(BashCompletion, OffersFilesWhereTheCliTakesAFile) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("oriastra-completion-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "records");
    for (const char* file : {"ann.tib", "bo.num", "people.csv"}) std::ofstream(folder / file);
    const std::string here = folder.string();

    const Words everything = {"ann.tib", "bo.num", "people.csv", "records"};
    EXPECT_EQ(Offered({"save", ""}, here), everything);
    EXPECT_EQ(Offered({"batch", "burmese", ""}, here), everything);
    EXPECT_EQ(Offered({"open", ""}, here), (Words{"ann.tib", "bo.num", "records"}));
    EXPECT_EQ(Offered({"open", "--json", "b"}, here), (Words{"bo.num"}));
    EXPECT_EQ(Offered({"open", "--", ""}, here), (Words{"ann.tib", "bo.num", "records"}));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace oriastra::cli
