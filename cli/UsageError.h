#pragma once
#include <stdexcept>
#include <string>

namespace oriastra::cli {

// The command line (or a batch row) asks for something the program cannot do; exit status 2.
// The message is one line without the program name.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message)
        : std::runtime_error(message), message_(message) {}

    // The whole message: what() ends at the first NUL, and messages quote what was typed.
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};

}  // namespace oriastra::cli
