// Writes a program's manual page from its --help, at build time:
// oriastra-manual-page PROGRAM SUMMARY SOURCE OUTPUT
#include <cstdio>
#include <filesystem>
#include <fstream>
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
    if (argc != 5) {
        std::fprintf(stderr, "usage: oriastra-manual-page PROGRAM SUMMARY SOURCE OUTPUT\n");
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
    std::ofstream page(argv[4], std::ios::binary);
    page << oriastra::packaging::ManualPageFromHelp(help, title);
    if (!page.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
