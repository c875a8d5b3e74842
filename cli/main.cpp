#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

#include "CliApp.h"

int main(int argc, char** argv) {
    // With standard output closed, a file the program opens would take its number and receive
    // the output. /dev/null opened for reading holds the place, so writes still fail and say so.
    if (::fcntl(STDOUT_FILENO, F_GETFD) == -1 && errno == EBADF) {
        const int placeholder = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (placeholder > STDOUT_FILENO) ::close(placeholder);
    }
    // The streams alone carry the program's text, so they need not keep step with C's stdio, and
    // reading a batch's input need not flush the output before every read.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return oriastra::cli::RunCli(arguments, std::cin, std::cout, std::cerr);
}
