#pragma once
// Turns a program's --help text into a manual page (roff, man macros), so the page never drifts
// from what the program itself prints.
#include <string>
#include <string_view>
#include <vector>

namespace oriastra::packaging {

struct ManualPageTitle {
    std::string program;  // "oriastra-cli"
    std::string summary;  // the NAME line's text after the dash
    std::string source;   // footer, e.g. "Kestrin Oriastra 1.25"
};

// The help text's layout: "Usage:" lines become the SYNOPSIS; a heading line ("Options:") starts a
// section whose two-column lines ("  --json   JSON output") become tagged paragraphs, deeper
// indented lines continuing the text above; "Heading: text" is a section holding that text;
// every other paragraph goes to the DESCRIPTION.
// What a page holds beyond the help text.
struct ManualPageExtras {
    // Markdown: its shell blocks holding a "$ program" line become EXAMPLES, as typed with their
    // output, each after the paragraph that leads to it when that paragraph ends in a colon.
    std::string readme;
    std::vector<std::string> seeAlso;  // "kestrin-oriastra(1)"
};

std::string ManualPageFromHelp(std::string_view help, const ManualPageTitle& title,
                               const ManualPageExtras& extras = {});

}  // namespace oriastra::packaging
