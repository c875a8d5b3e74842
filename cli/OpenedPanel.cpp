#include "OpenedPanel.h"

#include <algorithm>

#include "common/Months.h"

namespace oriastra::cli {

namespace {

int PositionIn(const std::vector<std::string>& list, const std::string& text) {
    const auto found = std::find(list.begin(), list.end(), text);
    return found == list.end() ? 0 : static_cast<int>(found - list.begin());
}

}  // namespace

PanelEntries FillOpenedPanel(const PanelRules& rules, const OpenedRecord& record) {
    PanelEntries entries;
    entries.name = record.name;
    entries.dayPosition = PositionIn(DayListEntries(), record.day);
    entries.monthPosition = MonthIndex(record.month).value_or(0);
    const std::vector<std::string> years = YearListEntries(rules);
    entries.yearText = years.empty() ? std::string() : years[PositionIn(years, record.year)];
    if (record.male) {
        entries.maleSelected = *record.male;
        entries.femaleSelected = !*record.male;
    }
    return entries;
}

}  // namespace oriastra::cli
