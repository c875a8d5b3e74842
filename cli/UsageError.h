#pragma once
#include <stdexcept>
#include <string>

namespace oriastra::cli {

// The command line (or a batch row) asks for something the program cannot do; exit status 2.
// The message is one line without the program name.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace oriastra::cli
