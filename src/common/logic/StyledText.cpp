#include "common/logic/StyledText.h"

#include <array>
#include <cctype>

namespace oriastra {

namespace {

constexpr std::array<std::string_view, 3> kAddressStarts = {"http://", "https://", "www."};

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    }
    return true;
}

// An address starts a word: after white space, an opening bracket or quote, or nothing.
bool OpensWord(char before) {
    const auto byte = static_cast<unsigned char>(before);
    return byte <= ' ' || before == '(' || before == '[' || before == '<' || before == '"' ||
           before == '\'';
}

// Characters that end an address: spaces and controls, and quotes and brackets around it.
bool EndsAddress(char ch) {
    const auto byte = static_cast<unsigned char>(ch);
    return byte <= ' ' || ch == '"' || ch == '<' || ch == '>' || ch == '`' || byte == 0x7F;
}

// Punctuation that closes a sentence rather than belonging to the address.
bool IsTrailingPunctuation(char ch) {
    return ch == '.' || ch == ',' || ch == ';' || ch == ':' || ch == '!' || ch == '?' ||
           ch == ')' || ch == '\'';
}

// The length of the web address starting at `text[0]`, or 0 when none starts there.
std::size_t AddressLengthAt(std::string_view text) {
    std::size_t prefix = 0;
    for (std::string_view start : kAddressStarts) {
        if (StartsWithIgnoringCase(text, start)) prefix = start.size();
    }
    if (prefix == 0) return 0;
    std::size_t end = prefix;
    while (end < text.size() && !EndsAddress(text[end])) ++end;
    while (end > prefix && IsTrailingPunctuation(text[end - 1])) --end;
    // A bare "www." or "http://" names nothing.
    return end > prefix ? end : 0;
}

}  // namespace

StyledTextBuilder& StyledTextBuilder::Add(const TextStyle& style, std::string_view text) {
    return Append({std::string(text), style.bold, style.color, false});
}

StyledTextBuilder& StyledTextBuilder::Append(StyledRun run) {
    if (run.text.empty()) return *this;
    if (!runs_.empty() && runs_.back().bold == run.bold && runs_.back().color == run.color &&
        runs_.back().link == run.link) {
        runs_.back().text += run.text;
    } else {
        runs_.push_back(std::move(run));
    }
    return *this;
}

std::string PlainText(const StyledText& runs) {
    std::string text;
    for (const StyledRun& run : runs) text += run.text;
    return text;
}

StyledText MarkWebAddresses(const StyledText& runs) {
    StyledTextBuilder builder;
    for (const StyledRun& run : runs) {
        const std::string_view text = run.text;
        std::size_t plainStart = 0;
        std::size_t at = 0;
        while (at < text.size()) {
            const bool wordStart = at == 0 || OpensWord(text[at - 1]);
            const std::size_t length = wordStart ? AddressLengthAt(text.substr(at)) : 0;
            if (length == 0) {
                ++at;
                continue;
            }
            builder.Append({std::string(text.substr(plainStart, at - plainStart)), run.bold,
                            run.color, run.link});
            builder.Append({std::string(text.substr(at, length)), run.bold, run.color, true});
            at += length;
            plainStart = at;
        }
        builder.Append(
            {std::string(text.substr(plainStart)), run.bold, run.color, run.link});
    }
    return builder.Take();
}

bool IsWebAddress(std::string_view text) {
    return !text.empty() && AddressLengthAt(text) == text.size();
}

std::string ColorName(TextColor color) {
    constexpr std::array<char, 16> digits = {'0', '1', '2', '3', '4', '5', '6', '7',
                                             '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    std::string name = "#";
    for (std::uint8_t part : {color.red, color.green, color.blue}) {
        name += digits[part >> 4U];
        name += digits[part & 0x0FU];
    }
    return name;
}

}  // namespace oriastra
