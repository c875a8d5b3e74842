#pragma once
// Checks shared by the tests of every tradition's long texts. They count independently of the
// code under test, so a fault in the program's own counting cannot hide a wrong length.
#include <cstddef>
#include <string_view>
#include <vector>

namespace prose {

// Readers see characters, so lengths are code points of the UTF-8 text, not bytes.
inline std::size_t CodePoints(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s) {
        if ((c & 0xC0) != 0x80) {
            ++n;
        }
    }
    return n;
}

// Sentences split at ". "; the last keeps whatever ends the text.
inline std::vector<std::string_view> Sentences(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t stop = text.find(". ", start);
        if (stop == std::string_view::npos) {
            out.push_back(text.substr(start));
            break;
        }
        out.push_back(text.substr(start, stop + 1 - start));
        start = stop + 2;
    }
    return out;
}

// One paragraph as the windows show it: no line break, no doubled or outer space, a full stop
// at the end.
inline bool IsCleanParagraph(std::string_view text) {
    return !text.empty() && text.find_first_of("\r\n\t") == std::string_view::npos &&
           text.find("  ") == std::string_view::npos && text.front() != ' ' && text.back() == '.';
}

}  // namespace prose
