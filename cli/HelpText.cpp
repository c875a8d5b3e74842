#include "HelpText.h"

#include <string>

#include "TraditionWords.h"
#include "registry/logic/TraditionRegistry.h"

namespace oriastra::cli {

namespace {

// One line for each tradition that asks whether the birth was in the afternoon.
std::string AfternoonLines() {
    std::string lines;
    for (Tradition tradition : AllTraditions()) {
        if (tradition->afternoonMeans.empty()) continue;
        lines += "  --afternoon yes|no   " + std::string(tradition->key) + ": " +
                 std::string(tradition->afternoonMeans) + "\n";
    }
    return lines;
}

std::string BuildHelpText() {
    return std::string(R"(Usage:
  oriastra-cli reading TRADITION BIRTH [--json]
  oriastra-cli report  TRADITION BIRTH [--json]
  oriastra-cli save FILE TRADITION BIRTH
  oriastra-cli open FILE [--name TEXT] [--json]
  oriastra-cli batch TRADITION [FILE|-]
  oriastra-cli --help | --version

BIRTH is --name TEXT --day D --month MONTH --year Y [--sex Male|Female]
          [--afternoon yes|no]

Commands:
  reading   print the reading (one JSON object with --json)
  report    print the report text (its styled runs as JSON with --json)
  save      write the tradition's record file ()" +
        ExtensionsInWords(Saves) +
        R"()
  open      read a record file ()" +
        ExtensionsInWords(Any) +
        R"() and print its
            reading; --name gives the name for a )" +
        ExtensionsInWords(Nameless) +
        R"( file
  batch     read CSV from FILE (standard input when FILE is - or not given)
            with the header name,day,month,year,sex,afternoon and print one
            JSON line per row after it: the reading, or {"error":"Row N: ..."}

TRADITION is )" +
        KeysInWords(Any, "or") +
        R"(.

Options:
  --name TEXT          the name (may be empty: --name "")
  --day D              1 to 31
  --month MONTH        January ... December
  --year Y             a year of the tradition's list
  --sex Male|Female    )" +
        KeysInWords(AsksSex, "and") +
        R"( only
)" +
        AfternoonLines() +
        R"(  --json               JSON output
  --name=TEXT and the like work too.

Exit status: 0 success, 1 the program's message (on standard error) or a
file that open or batch cannot read, 2 usage error, 3 the file (left as it
was) or standard output could not be written.
)");
}

}  // namespace

std::string_view HelpText() {
    static const std::string text = BuildHelpText();
    return text;
}

}  // namespace oriastra::cli
