// Writes a program's manual page from its --help, at build time:
// oriastra-manual-page PROGRAM SUMMARY SOURCE OUTPUT [README [SEE-ALSO...]]
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "ManualPage.h"

namespace {

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: oriastra-manual-page PROGRAM SUMMARY SOURCE OUTPUT "
                             "[README [SEE-ALSO...]]\n");
        return 2;
    }
    std::FILE* pipe = popen((ShellQuoted(argv[1]) + " --help").c_str(), "r");
    if (pipe == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    std::string help;
    char buffer[4096];
    for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        help.append(buffer, count);
    if (pclose(pipe) != 0 || help.empty()) {
        std::fprintf(stderr, "%s --help failed\n", argv[1]);
        return 1;
    }

    const oriastra::packaging::ManualPageTitle title{
        std::filesystem::path(argv[1]).filename().string(), argv[2], argv[3]};
    oriastra::packaging::ManualPageExtras extras;
    if (argc > 5) {
        std::ifstream readme(argv[5], std::ios::binary);
        extras.readme.assign(std::istreambuf_iterator<char>(readme), {});
        if (!readme) {
            std::fprintf(stderr, "cannot read %s\n", argv[5]);
            return 1;
        }
    }
    extras.seeAlso.assign(argv + std::min(argc, 6), argv + argc);
    const std::string text = oriastra::packaging::ManualPageFromHelp(help, title, extras);
    // A README that no longer shows the program would quietly drop the examples.
    if (!extras.readme.empty() && text.find("\n.SH EXAMPLES\n") == std::string::npos) {
        std::fprintf(stderr, "%s shows no example of %s\n", argv[5], title.program.c_str());
        return 1;
    }
    std::ofstream page(argv[4], std::ios::binary);
    page << text;
    if (!page.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
