#include "common/StyledText.h"

#include <array>

namespace oriastra {

StyledTextBuilder& StyledTextBuilder::Caption(std::string text) {
    return Append({std::move(text), true, kDarkGreen});
}

StyledTextBuilder& StyledTextBuilder::Plain(std::string text) {
    return Append({std::move(text), false, kBlack});
}

StyledTextBuilder& StyledTextBuilder::LineBreak() { return Plain("\n"); }

StyledTextBuilder& StyledTextBuilder::Append(StyledRun run) {
    if (run.text.empty()) return *this;
    if (!runs_.empty() && runs_.back().bold == run.bold && runs_.back().color == run.color) {
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
