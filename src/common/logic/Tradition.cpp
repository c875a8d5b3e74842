#include "common/logic/Tradition.h"

#include "common/logic/RecordFile.h"

namespace oriastra {

namespace {

constexpr std::string_view kNameMessage = "Please Enter Your Name";

// Indexed by Tradition. One row per tradition: adding a tradition starts here.
constexpr std::array<TraditionDescriptor, 5> kDescriptors = {{
    {.tradition = Tradition::African,
     .key = "african",
     .extension = "afa",
     .recordKind = "an African record file",
     .record = {.lines = 4, .nameLine = 0, .sexLine = std::nullopt, .dayLine = 1, .monthLine = 2,
                .yearLine = 3, .answerLine = std::nullopt},
     .dialogs = {.openFilter = "African Astrology (*.afa)|*.afa",
                 .saveTitle = "Kestrin Free African Astrology",
                 .saveFilter = "African Astrology | *.afa"},
     .panel = {.firstYear = 1900, .lastYear = 2016, .asksSex = false, .trimsNameForTest = true,
               .nameMessage = kNameMessage, .nameIcon = MessageIcon::Error,
               .focusNameAfterMessage = true, .lettersOnlyName = false},
     .report = {.printing = ReportPrinting::DefaultPrinter, .links = false},
     .selector = {.labelIndex = 3, .caption = "African Astrology", .labelColor = {255, 255, 0},
                  .picture = "african", .pictureName = "Picture2", .shown = false}},
    // The Arabic Open reads a record of the sibling numerology program; it never writes one.
    {.tradition = Tradition::Arabic,
     .key = "arabic",
     .extension = "num",
     .recordKind = "an Arabic record file",
     .record = {.lines = 6, .nameLine = std::nullopt, .sexLine = std::nullopt, .dayLine = 4,
                .monthLine = 3, .yearLine = 5, .answerLine = std::nullopt},
     .dialogs = {.openFilter = "Kestrin Free Numerology Pro (*.num)|*.num", .saveTitle = "",
                 .saveFilter = ""},
     .panel = {.firstYear = 1900, .lastYear = 2050, .asksSex = false, .trimsNameForTest = false,
               .nameMessage = kNameMessage, .nameIcon = MessageIcon::Error,
               .focusNameAfterMessage = true, .lettersOnlyName = false},
     .report = {.printing = ReportPrinting::None, .links = false},
     .selector = {.labelIndex = 4, .caption = "Arabic Astrology", .labelColor = {255, 0, 255},
                  .picture = "arabic", .pictureName = "Picture3", .shown = true}},
    {.tradition = Tradition::Burmese,
     .key = "burmese",
     .extension = "bur",
     .recordKind = "a Burmese record file",
     .record = {.lines = 5, .nameLine = 0, .sexLine = std::nullopt, .dayLine = 1, .monthLine = 2,
                .yearLine = 3, .answerLine = 4},
     .dialogs = {.openFilter = "Kestrin Free Burmese Astrology (*.bur)|*.bur",
                 .saveTitle = "Kestrin Free Burmese Astrology",
                 .saveFilter = "Kestrin Free Burmese Astrology | *.bur"},
     .panel = {.firstYear = 1901, .lastYear = 2050, .asksSex = false, .trimsNameForTest = false,
               .nameMessage = "Please Enter Your Name !", .nameIcon = MessageIcon::Information,
               .focusNameAfterMessage = true, .lettersOnlyName = true},
     .report = {.printing = ReportPrinting::PrintDialog, .links = true},
     .selector = {.labelIndex = 5, .caption = "Burmese Astrology", .labelColor = {0, 255, 0},
                  .picture = "burmese", .pictureName = "Picture4", .shown = true}},
    {.tradition = Tradition::Indonesian,
     .key = "indonesian",
     .extension = "jav",
     .recordKind = "an Indonesian record file",
     .record = {.lines = 4, .nameLine = 0, .sexLine = std::nullopt, .dayLine = 1, .monthLine = 2,
                .yearLine = 3, .answerLine = std::nullopt},
     .dialogs = {.openFilter = "Kestrin Free Indonesian Astrology (*.jav)|*.jav",
                 .saveTitle = "Kestrin Free Indonesian Astrology",
                 .saveFilter = "Kestrin Free Indonesian Astrology | *.jav"},
     .panel = {.firstYear = 1901, .lastYear = 2036, .asksSex = false, .trimsNameForTest = true,
               .nameMessage = kNameMessage, .nameIcon = MessageIcon::Error,
               .focusNameAfterMessage = true, .lettersOnlyName = false},
     .report = {.printing = ReportPrinting::DefaultPrinter, .links = false},
     .selector = {.labelIndex = 6, .caption = "Indonesian Astrology", .labelColor = {0, 255, 255},
                  .picture = "indonesian", .pictureName = "Picture7", .shown = true}},
    // The save dialog's title is the program's; its filter's description is what users of
    // earlier versions have always seen.
    {.tradition = Tradition::Tibetan,
     .key = "tibetan",
     .extension = "tib",
     .recordKind = "a Tibetan record file",
     .record = {.lines = 5, .nameLine = 0, .sexLine = 1, .dayLine = 2, .monthLine = 3,
                .yearLine = 4, .answerLine = std::nullopt},
     .dialogs = {.openFilter = "Tibetan Astrology (*.tib)|*.tib", .saveTitle = "Kestrin Oriastra",
                 .saveFilter = "Rich Text Format | *.tib"},
     .panel = {.firstYear = 1930, .lastYear = 2030, .asksSex = true, .trimsNameForTest = true,
               .nameMessage = kNameMessage, .nameIcon = MessageIcon::Error,
               .focusNameAfterMessage = false, .lettersOnlyName = false},
     .report = {.printing = ReportPrinting::DefaultPrinter, .links = false},
     .selector = {.labelIndex = 7, .caption = "Tibetan Astrology", .labelColor = {255, 0, 0},
                  .picture = "tibetan", .pictureName = "Picture5", .shown = true}},
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
