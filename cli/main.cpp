#include <iostream>

#include "CliApp.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return oriastra::cli::RunCli(arguments, std::cin, std::cout, std::cerr);
}
