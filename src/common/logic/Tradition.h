#pragma once
#include <cstddef>
#include <optional>
#include <string_view>

#include "common/logic/BirthDetailsRules.h"
#include "common/logic/RecordLayout.h"
#include "common/logic/StyledText.h"
#include "common/logic/TraditionCommands.h"

namespace oriastra {

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

// The tradition's button, its picture (frmMDI/<key>.svg) and its welcome-panel label in the
// main window.
struct SelectorEntry {
    // The button is cmdSelectOption(index) and its label lblCaption(3 + index), after the three
    // headings; a picture's name is its own.
    int index = 0;
    // Left to right in the button row and top to bottom in the welcome panel; a tradition
    // without a place stands hidden after the others.
    std::optional<int> place;
    std::string_view caption;
    TextColor labelColor;
    std::string_view pictureName;   // the picture control beside the button
    std::string_view pictureShows;  // what the picture shows, for assistive technology
};

// A person whose reading shows the tradition well, as the render command pictures it.
struct ExamplePerson {
    std::string_view name;
    std::string_view day;
    std::string_view month;
    std::string_view year;
};

// Everything the shared frame and the programs need to know of one tradition. Each tradition's
// folder defines its own; the registry lists them.
struct TraditionDescriptor {
    std::string_view key;         // command line and JSON, in small letters
    std::string_view extension;   // record files, without the dot; letter case counts
    std::string_view recordKind;  // in messages: "a ... record file"
    // What the command line's --afternoon answers for this tradition, in its help; empty when
    // the tradition asks nothing of the kind.
    std::string_view afternoonMeans;
    RecordLayout record;
    RecordDialogs dialogs;
    PanelRules panel;
    ReportTraits report;
    SelectorEntry selector;
    TraditionCommands commands;
    ExamplePerson example;

    bool HasReport() const { return report.printing != ReportPrinting::None; }
};

// One tradition, known by its descriptor. A handle is cheap to copy; two handles name the same
// tradition when they hold the same descriptor.
class Tradition {
public:
    constexpr Tradition(const TraditionDescriptor& descriptor) : descriptor_(&descriptor) {}

    constexpr const TraditionDescriptor& operator*() const { return *descriptor_; }
    constexpr const TraditionDescriptor* operator->() const { return descriptor_; }

    friend constexpr bool operator==(Tradition one, Tradition other) {
        return one.descriptor_ == other.descriptor_;
    }
    // By key, so that an ordering never depends on where the descriptors lie in memory.
    friend bool operator<(Tradition one, Tradition other) {
        return one.descriptor_->key < other.descriptor_->key;
    }

private:
    const TraditionDescriptor* descriptor_;
};

inline const TraditionDescriptor& Describe(Tradition tradition) { return *tradition; }
inline std::string_view TraditionKey(Tradition tradition) { return tradition->key; }

}  // namespace oriastra
