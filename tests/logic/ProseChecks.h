#pragma once
// Checks shared by the tests of every tradition's long texts. They count independently of the
// code under test, so a fault in the program's own counting cannot hide a wrong length.
#include <array>
#include <cstddef>
#include <map>
#include <string>
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

// Sentences, each with the mark that ends it; a sentence ends at ".", "!" or "?" before white
// space, and at a line break.
inline std::vector<std::string_view> Sentences(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    const auto keep = [&](std::size_t end) {
        while (start < end && (text[start] == ' ' || text[start] == '\r' || text[start] == '\n')) ++start;
        if (start < end) out.push_back(text.substr(start, end - start));
        start = end;
    };
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '\r' || c == '\n') {
            keep(at);
        } else if ((c == '.' || c == '!' || c == '?') &&
                   (at + 1 == text.size() || text[at + 1] == ' ' || text[at + 1] == '\r' ||
                    text[at + 1] == '\n')) {
            keep(at + 1);
        }
    }
    keep(text.size());
    return out;
}

// One paragraph as the windows show it: no line break, no doubled or outer space, a full stop
// at the end.
inline bool IsCleanParagraph(std::string_view text) {
    return !text.empty() && text.find_first_of("\r\n\t") == std::string_view::npos &&
           text.find("  ") == std::string_view::npos && text.front() != ' ' && text.back() == '.';
}

// The words of a text in small letters; an apostrophe or hyphen inside a word belongs to it.
inline std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    const auto letter = [](unsigned char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c >= 0x80;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool joins = (c == '\'' || c == '-') && !word.empty() && i + 1 < text.size() &&
                           letter(static_cast<unsigned char>(text[i + 1]));
        if (letter(c) || joins) {
            word += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

// Phrases that would fit any sign, any day, any reader: a reading says something of its own.
inline constexpr std::array<std::string_view, 4> kFillerPhrases = {
    "the key to", "plain to see", "grown stronger for it", "to the very end"};

// A text as one report may show it: a label for messages, and how many of its first words the
// tables fix (an opening that may be shared is not the text's to change).
struct ReportText {
    std::string label;
    std::string_view text;
    std::size_t fixedWords = 0;
};

// Runs of `length` words that two texts of different tables share, or that one text says
// twice, outside the fixed openings: "label / label: run". Texts of one table never meet in a
// report; texts of different tables may.
inline std::vector<std::string> SharedRuns(const std::vector<std::vector<ReportText>>& tables,
                                           std::size_t length = 5) {
    struct Seen {
        std::size_t table;
        std::string label;
    };
    std::map<std::string, std::vector<Seen>> runs;
    std::vector<std::string> found;
    for (std::size_t table = 0; table < tables.size(); ++table) {
        for (const ReportText& entry : tables[table]) {
            const std::vector<std::string> words = Words(entry.text);
            std::map<std::string, bool> inThisText;
            for (std::size_t at = entry.fixedWords; at + length <= words.size(); ++at) {
                std::string run = words[at];
                for (std::size_t k = 1; k < length; ++k) run += ' ' + words[at + k];
                if (inThisText[run]) {
                    found.push_back(entry.label + " twice: " + run);
                    continue;
                }
                inThisText[run] = true;
                for (const Seen& other : runs[run]) {
                    if (other.table != table) found.push_back(other.label + " / " + entry.label + ": " + run);
                }
                runs[run].push_back({table, entry.label});
            }
        }
    }
    return found;
}

}  // namespace prose
