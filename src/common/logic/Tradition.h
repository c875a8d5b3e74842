#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "common/logic/BirthDetailsRules.h"
#include "common/logic/RecordLayout.h"
#include "common/logic/StyledText.h"

namespace oriastra {

// The order is the index of the tradition's button in the main window.
enum class Tradition { African = 0, Arabic = 1, Burmese = 2, Indonesian = 3, Tibetan = 4 };

inline constexpr std::array<Tradition, 5> kTraditions = {
    Tradition::African, Tradition::Arabic, Tradition::Burmese, Tradition::Indonesian,
    Tradition::Tibetan};

// The file dialogs of the input window's Open and the report window's Save.
struct RecordDialogs {
    std::string_view openFilter;  // "description|pattern"
    std::string_view saveTitle;
    std::string_view saveFilter;
};

enum class ReportPrinting { None, DefaultPrinter, PrintDialog };

struct ReportTraits {
    ReportPrinting printing = ReportPrinting::None;  // None: the tradition has no report window
    bool links = false;  // web addresses in the report open on a click
};

// The tradition's button, picture and welcome-panel label in the main window.
struct SelectorEntry {
    int labelIndex = 0;
    std::string_view caption;
    TextColor labelColor;
    std::string_view picture;      // frmMDI/<picture>.svg
    std::string_view pictureName;  // the picture control beside the button
    bool shown = true;
};

// Everything the shared frame needs to know of one tradition.
struct TraditionDescriptor {
    Tradition tradition;
    std::string_view key;        // command line and JSON: "tibetan"
    std::string_view extension;  // record files: "tib"; letter case counts
    std::string_view recordKind;  // in messages: "an African record file"
    RecordLayout record;
    RecordDialogs dialogs;
    PanelRules panel;
    ReportTraits report;
    SelectorEntry selector;

    bool HasReport() const { return report.printing != ReportPrinting::None; }
};

const TraditionDescriptor& Describe(Tradition tradition);

std::string_view TraditionKey(Tradition tradition);
std::optional<Tradition> TraditionFromKey(std::string_view key);
// The tradition whose record extension ends the path (letter case counts), or nothing.
std::optional<Tradition> TraditionOfRecord(std::string_view path);

}  // namespace oriastra
