#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/logic/BirthDetails.h"
#include "common/logic/MessageKind.h"
#include "common/logic/TranslatedText.h"

namespace oriastra {

// How one input window's birth details panel differs from the others.
struct PanelRules {
    int firstYear = 0;
    int lastYear = 0;
    bool asksSex = false;
    bool trimsNameForTest = true;  // false: a name of spaces passes
    std::string_view nameMessage;
    MessageIcon nameIcon = MessageIcon::Error;
    bool focusNameAfterMessage = false;
    bool lettersOnlyName = false;  // typed keys filtered to capitals
};

// The panel's entries as the validation reads them: list positions for month and day.
struct PanelEntries {
    std::string name;
    int monthPosition = 0;  // 0 = January
    int dayPosition = 0;    // 0 = day 1
    std::string yearText;
    bool maleSelected = false;
    bool femaleSelected = false;
};

// A freshly loaded window's entries: the first entry of each list, no name, no sex chosen.
PanelEntries FreshPanelEntries(const PanelRules& rules);

// Texts a record file hands to the panel.
struct PanelTexts {
    std::optional<std::string> name;  // nothing: the name box keeps what it holds
    std::optional<std::string> sex;   // "Male" selects Male, anything else Female
    std::string day;
    std::string month;
    std::string year;
};

// Fills the entries from a record as the input window's Open does: the name as read, and each
// list takes its text only when one of its entries is exactly that text; otherwise it keeps
// its selection and nothing is reported.
void FillPanelFromTexts(const PanelRules& rules, const PanelTexts& texts, PanelEntries& entries);

struct ValidationFailure {
    std::string_view message;
    MessageIcon icon = MessageIcon::None;
    bool focusName = false;
};

// The windows show these translated; the command line prints them as they are.
inline constexpr std::string_view kMessageEnterName =
    ORIASTRA_TEXT("Messages", "Please Enter Your Name");
inline constexpr std::string_view kMessageSelectSex =
    ORIASTRA_TEXT("Messages", "Please Select Your Sex");
inline constexpr std::string_view kMessageFebruaryDate =
    ORIASTRA_TEXT("Messages", "Please Enter Correct Date Or Month!");
inline constexpr std::string_view kMessageThirtyDayMonth =
    ORIASTRA_TEXT("Messages", "Please Enter Correct Date Or Month !");
inline constexpr std::string_view kMessageCheckFile =
    ORIASTRA_TEXT("Messages", "Please Check The File.");
inline constexpr std::string_view kMessageOnlyAlphabet =
    ORIASTRA_TEXT("Messages", "Please Enter Only Alphabet");

// The first rule the entries break, or nothing when they may be used.
std::optional<ValidationFailure> ValidateBirthDetails(const PanelRules& rules,
                                                      const PanelEntries& entries);

// The accepted entries as the Calculate step stores them.
BirthDetails StoreBirthDetails(const PanelRules& rules, const PanelEntries& entries);

// The year list of a window: four-digit texts, ascending.
std::vector<std::string> YearListEntries(const PanelRules& rules);

// The day list: "1" to "31".
std::vector<std::string> DayListEntries();

// Letters-only name keys: a letter a-z becomes A-Z; A-Z, space, Enter and Backspace pass as
// typed.
enum class NameKeyVerdict { Accept, Refuse };
struct NameKeyResult {
    NameKeyVerdict verdict = NameKeyVerdict::Accept;
    char32_t key = 0;  // the character to insert (capitalised) when accepted
};
NameKeyResult FilterLettersOnlyKey(char32_t key);

}  // namespace oriastra
