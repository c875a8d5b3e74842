#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace oriastra {

struct TextColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const TextColor&, const TextColor&) = default;
};

inline constexpr TextColor kBlack{0, 0, 0};

// How a piece of a report looks; each report names its own styles.
struct TextStyle {
    bool bold = false;
    TextColor color = kBlack;
    friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

// One piece of a report: text appended at the end with one style. Line breaks are "\n". A link
// run is a web address the report view shows as a link and opens on a click.
struct StyledRun {
    std::string text;
    bool bold = false;
    TextColor color = kBlack;
    bool link = false;
    friend bool operator==(const StyledRun&, const StyledRun&) = default;
};

using StyledText = std::vector<StyledRun>;

// Appends runs, merging a run into the previous one when both look the same.
class StyledTextBuilder {
public:
    StyledTextBuilder& Add(const TextStyle& style, std::string_view text);
    StyledTextBuilder& Append(StyledRun run);
    StyledText Take() { return std::move(runs_); }

private:
    StyledText runs_;
};

// All the runs' texts, in order.
std::string PlainText(const StyledText& runs);

// The runs with every web address split into a link run of its own. Only addresses that start
// with "http://", "https://" or "www." (letter case ignored) at the start of a word count.
StyledText MarkWebAddresses(const StyledText& runs);

// True when the whole text is one such web address, so a link's text can be checked again
// before it is handed to the browser.
bool IsWebAddress(std::string_view text);

// "#rrggbb".
std::string ColorName(TextColor color);

}  // namespace oriastra
