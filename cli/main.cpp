#include <iostream>

#include "CliApp.h"

int main(int argc, char** argv) {
    // The streams alone carry the program's text, so they need not keep step with C's stdio, and
    // reading a batch's input need not flush the output before every read.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return oriastra::cli::RunCli(arguments, std::cin, std::cout, std::cerr);
}
