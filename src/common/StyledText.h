#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace oriastra {

struct TextColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const TextColor&, const TextColor&) = default;
};

inline constexpr TextColor kBlack{0, 0, 0};
inline constexpr TextColor kDarkGreen{0, 128, 0};

// One piece of a report: text appended at the end with one format. Line breaks are "\n".
struct StyledRun {
    std::string text;
    bool bold = false;
    TextColor color = kBlack;
    friend bool operator==(const StyledRun&, const StyledRun&) = default;
};

using StyledText = std::vector<StyledRun>;

// Appends runs, merging a run into the previous one when both look the same.
class StyledTextBuilder {
public:
    StyledTextBuilder& Caption(std::string text);  // bold dark green
    StyledTextBuilder& Plain(std::string text);    // regular black
    StyledTextBuilder& LineBreak();
    StyledTextBuilder& Append(StyledRun run);
    StyledText Take() { return std::move(runs_); }

private:
    StyledText runs_;
};

// All the runs' texts, in order.
std::string PlainText(const StyledText& runs);

// "#rrggbb".
std::string ColorName(TextColor color);

}  // namespace oriastra
