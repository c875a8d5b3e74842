#include "common/Tradition.h"

#include "common/RecordFile.h"

namespace oriastra {

namespace {

constexpr std::string_view kNameMessage = "Please Enter Your Name";

// Indexed by Tradition. One row per tradition: adding a tradition starts here.
constexpr std::array<TraditionDescriptor, 5> kDescriptors = {{
    {Tradition::African, "african", "afa",
     {.lines = 4, .nameLine = 0, .sexLine = std::nullopt, .dayLine = 1, .monthLine = 2, .yearLine = 3,
      .answerLine = std::nullopt},
     {"African Astrology (*.afa)|*.afa", "Kestrin Free African Astrology",
      "African Astrology | *.afa"},
     {1900, 2016, false, true, kNameMessage, MessageIcon::Error, true, false},
     {ReportPrinting::DefaultPrinter, false},
     {3, "African Astrology", {255, 255, 0}, "african", "Picture2", false}},
    // The Arabic Open reads a record of the sibling numerology program; it never writes one.
    {Tradition::Arabic, "arabic", "num",
     {.lines = 6, .nameLine = std::nullopt, .sexLine = std::nullopt, .dayLine = 4, .monthLine = 3,
      .yearLine = 5, .answerLine = std::nullopt},
     {"Kestrin Free Numerology Pro (*.num)|*.num", "", ""},
     {1900, 2050, false, false, kNameMessage, MessageIcon::Error, true, false},
     {ReportPrinting::None, false},
     {4, "Arabic Astrology", {255, 0, 255}, "arabic", "Picture3", true}},
    {Tradition::Burmese, "burmese", "bur",
     {.lines = 5, .nameLine = 0, .sexLine = std::nullopt, .dayLine = 1, .monthLine = 2, .yearLine = 3,
      .answerLine = 4},
     {"Kestrin Free Burmese Astrology (*.bur)|*.bur", "Kestrin Free Burmese Astrology",
      "Kestrin Free Burmese Astrology | *.bur"},
     {1901, 2050, false, false, "Please Enter Your Name !", MessageIcon::Information, true, true},
     {ReportPrinting::PrintDialog, true},
     {5, "Burmese Astrology", {0, 255, 0}, "burmese", "Picture4", true}},
    {Tradition::Indonesian, "indonesian", "jav",
     {.lines = 4, .nameLine = 0, .sexLine = std::nullopt, .dayLine = 1, .monthLine = 2, .yearLine = 3,
      .answerLine = std::nullopt},
     {"Kestrin Free Indonesian Astrology (*.jav)|*.jav", "Kestrin Free Indonesian Astrology",
      "Kestrin Free Indonesian Astrology | *.jav"},
     {1901, 2036, false, true, kNameMessage, MessageIcon::Error, true, false},
     {ReportPrinting::DefaultPrinter, false},
     {6, "Indonesian Astrology", {0, 255, 255}, "indonesian", "Picture7", true}},
    // The save dialog's title is the program's; its filter's description is what users of
    // earlier versions have always seen.
    {Tradition::Tibetan, "tibetan", "tib",
     {.lines = 5, .nameLine = 0, .sexLine = 1, .dayLine = 2, .monthLine = 3, .yearLine = 4,
      .answerLine = std::nullopt},
     {"Tibetan Astrology (*.tib)|*.tib", "Kestrin Oriastra", "Rich Text Format | *.tib"},
     {1930, 2030, true, true, kNameMessage, MessageIcon::Error, false, false},
     {ReportPrinting::DefaultPrinter, false},
     {7, "Tibetan Astrology", {255, 0, 0}, "tibetan", "Picture5", true}},
}};

constexpr bool RowsFollowTheEnum() {
    for (std::size_t index = 0; index < kDescriptors.size(); ++index) {
        if (static_cast<std::size_t>(kDescriptors[index].tradition) != index) return false;
    }
    return true;
}
static_assert(RowsFollowTheEnum(), "descriptor rows are indexed by Tradition");

}  // namespace

const TraditionDescriptor& Describe(Tradition tradition) {
    return kDescriptors[static_cast<std::size_t>(tradition)];
}

std::string_view TraditionKey(Tradition tradition) { return Describe(tradition).key; }

std::optional<Tradition> TraditionFromKey(std::string_view key) {
    for (const TraditionDescriptor& row : kDescriptors) {
        if (row.key == key) return row.tradition;
    }
    return std::nullopt;
}

std::optional<Tradition> TraditionOfRecord(std::string_view path) {
    for (const TraditionDescriptor& row : kDescriptors) {
        if (HasRecordExtension(path, row.extension)) return row.tradition;
    }
    return std::nullopt;
}

}  // namespace oriastra
