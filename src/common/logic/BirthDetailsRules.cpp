#include "common/logic/BirthDetailsRules.h"

#include <algorithm>
#include <charconv>

#include "common/logic/Months.h"
#include "common/logic/TextUtil.h"

namespace oriastra {

namespace {

constexpr int kFebruary = 1;
constexpr int kDay29 = 28;
constexpr int kDay30 = 29;
constexpr int kDay31 = 30;

// Reads the leading whole number of a list text; the lists only hold digits.
std::optional<long> ParseWhole(std::string_view text) {
    text = TrimSpaces(text);
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::int16_t ToInt16(std::string_view text) {
    const auto value = ParseWhole(text);
    if (!value || *value < INT16_MIN || *value > INT16_MAX) return 0;
    return static_cast<std::int16_t>(*value);
}

}  // namespace

std::optional<ValidationFailure> ValidateBirthDetails(const PanelRules& rules,
                                                      const PanelEntries& entries) {
    const std::string_view name =
        rules.trimsNameForTest ? TrimSpaces(entries.name) : std::string_view(entries.name);
    if (name.empty()) {
        return ValidationFailure{rules.nameMessage, rules.nameIcon, rules.focusNameAfterMessage};
    }
    if (rules.asksSex && !entries.maleSelected && !entries.femaleSelected) {
        return ValidationFailure{kMessageSelectSex, MessageIcon::Error, false};
    }
    // Every fourth year is a leap year here, centuries included.
    const bool leapYear = ParseWhole(entries.yearText).value_or(1) % 4 == 0;
    if (entries.monthPosition == kFebruary) {
        const int firstBadDay = leapYear ? kDay30 : kDay29;
        if (entries.dayPosition >= firstBadDay && entries.dayPosition <= kDay31) {
            return ValidationFailure{kMessageFebruaryDate, MessageIcon::Information, false};
        }
    }
    const int month = entries.monthPosition;
    const bool thirtyDays = month == 3 || month == 5 || month == 8 || month == 10;
    if (thirtyDays && entries.dayPosition == kDay31) {
        return ValidationFailure{kMessageThirtyDayMonth, MessageIcon::Information, false};
    }
    return std::nullopt;
}

BirthDetails StoreBirthDetails(const PanelRules& rules, const PanelEntries& entries) {
    BirthDetails details;
    details.name = std::string(TrimSpaces(entries.name));
    details.year = ToInt16(entries.yearText);
    const auto monthIndex = static_cast<std::size_t>(entries.monthPosition);
    details.month = monthIndex < kMonthNames.size() ? std::string(kMonthNames[monthIndex]) : "";
    details.day = static_cast<std::int16_t>(entries.dayPosition + 1);
    if (rules.asksSex) details.sex = entries.maleSelected ? kMale : kFemale;
    return details;
}

std::vector<std::string> YearListEntries(const PanelRules& rules) {
    std::vector<std::string> years;
    for (int year = rules.firstYear; year <= rules.lastYear; ++year) {
        years.push_back(std::to_string(year));
    }
    return years;
}

std::vector<std::string> DayListEntries() {
    std::vector<std::string> days;
    for (int day = 1; day <= 31; ++day) days.push_back(std::to_string(day));
    return days;
}

PanelEntries FreshPanelEntries(const PanelRules& rules) {
    PanelEntries entries;
    entries.yearText = std::to_string(rules.firstYear);
    return entries;
}

void FillPanelFromTexts(const PanelRules& rules, const PanelTexts& texts, PanelEntries& entries) {
    if (texts.name) entries.name = *texts.name;
    if (rules.asksSex && texts.sex) {
        entries.maleSelected = *texts.sex == kMale;
        entries.femaleSelected = !entries.maleSelected;
    }
    const std::vector<std::string> days = DayListEntries();
    const auto day = std::find(days.begin(), days.end(), texts.day);
    if (day != days.end()) entries.dayPosition = static_cast<int>(day - days.begin());
    if (const auto month = MonthIndex(texts.month)) entries.monthPosition = *month;
    const std::vector<std::string> years = YearListEntries(rules);
    if (std::find(years.begin(), years.end(), texts.year) != years.end()) {
        entries.yearText = texts.year;
    }
}

NameKeyResult FilterLettersOnlyKey(char32_t key) {
    if (key >= U'a' && key <= U'z') return {NameKeyVerdict::Accept, key - U'a' + U'A'};
    const bool passes = (key >= U'A' && key <= U'Z') || key == U' ' || key == U'\r' ||
                        key == U'\n' || key == U'\b';
    return {passes ? NameKeyVerdict::Accept : NameKeyVerdict::Refuse, key};
}

}  // namespace oriastra
