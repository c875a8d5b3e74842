#pragma once
#include "TraditionCommands.h"
#include "common/BirthDetailsRules.h"

namespace oriastra::cli {

// The entries of a freshly opened input window after Open has filled it from a record: the name
// as read, the option button the record names, and each list's entry only when the list holds
// the record's text exactly; otherwise the list keeps its first entry (1, January, first year).
PanelEntries FillOpenedPanel(const PanelRules& rules, const OpenedRecord& record);

}  // namespace oriastra::cli
