#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "CliApp.h"

// A property every input must keep; a broken one is a finding, reported like a crash.
#define FUZZ_CHECK(condition)                                                        \
    do {                                                                             \
        if (!(condition)) {                                                          \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                            \
        }                                                                            \
    } while (false)

namespace oriastra::fuzz {

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

inline CliRun RunCliWith(const std::vector<std::string>& arguments, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunCli(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

// Nothing but line breaks (LF, CR LF) below U+0020, no DEL: what the terminal may be sent.
inline bool SafeForATerminal(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool lineBreak = byte == '\n' || (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
        if ((byte < 0x20 && !lineBreak) || byte == 0x7F) return false;
        // C1 controls, U+0080 to U+009F.
        if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            return false;
        }
    }
    return true;
}

}  // namespace oriastra::fuzz
