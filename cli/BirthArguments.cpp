#include "BirthArguments.h"

#include <algorithm>
#include <charconv>

#include "TraditionWords.h"
#include "UsageError.h"
#include "common/logic/BirthDetails.h"
#include "common/logic/Months.h"

namespace oriastra::cli {

namespace {

const std::string& Required(const std::optional<std::string>& value, const char* option) {
    if (!value) throw UsageError(std::string("missing ") + option);
    return *value;
}

// Digits only (no sign, no spaces); nothing when the text is not such a number.
std::optional<int> SmallWholeNumber(const std::string& text) {
    const bool digitsOnly = !text.empty() && text.size() <= 6 &&
                            std::all_of(text.begin(), text.end(),
                                        [](char ch) { return ch >= '0' && ch <= '9'; });
    if (!digitsOnly) return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

}  // namespace

BirthRequest ReadBirthArguments(Tradition tradition, const BirthArguments& arguments) {
    const PanelRules& rules = Describe(tradition).panel;
    BirthRequest request;
    request.entries.name = Required(arguments.name, "--name");

    const std::string& dayText = Required(arguments.day, "--day");
    const auto day = SmallWholeNumber(dayText);
    if (!day || *day < 1 || *day > 31) {
        throw UsageError("day " + Quoted(dayText) + " is not a number from 1 to 31");
    }
    request.entries.dayPosition = *day - 1;

    const std::string& monthText = Required(arguments.month, "--month");
    const auto month = MonthIndex(monthText);
    if (!month) {
        throw UsageError("month " + Quoted(monthText) +
                         " is not a month name (January ... December)");
    }
    request.entries.monthPosition = *month;

    const std::string& yearText = Required(arguments.year, "--year");
    const auto year = SmallWholeNumber(yearText);
    // Only a row that fails needs the words: a batch reads every row through here.
    const auto range = [&] {
        return std::to_string(rules.firstYear) + "-" + std::to_string(rules.lastYear);
    };
    if (!year) throw UsageError("year " + Quoted(yearText) + " is not a year " + range());
    if (*year < rules.firstYear || *year > rules.lastYear) {
        throw UsageError("year " + yearText + " is outside " + range());
    }
    // The list's own text, so "02001" selects "2001".
    request.entries.yearText = std::to_string(*year);

    if (arguments.sex) {
        if (!rules.asksSex) {
            throw UsageError("sex is only asked by the " + KeysInWords(AsksSex, "and") +
                             " tradition, not " + std::string(TraditionKey(tradition)));
        }
        if (*arguments.sex == kMale) {
            request.entries.maleSelected = true;
        } else if (*arguments.sex == kFemale) {
            request.entries.femaleSelected = true;
        } else {
            throw UsageError("sex " + Quoted(*arguments.sex) + " is not Male or Female");
        }
    }

    if (arguments.afternoon) {
        if (*arguments.afternoon == "yes") {
            request.afternoonAnswer = "True";
        } else if (*arguments.afternoon == "no") {
            request.afternoonAnswer = "False";
        } else {
            throw UsageError("afternoon " + Quoted(*arguments.afternoon) + " is not yes or no");
        }
    }
    return request;
}

}  // namespace oriastra::cli
