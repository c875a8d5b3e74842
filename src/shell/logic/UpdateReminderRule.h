#pragma once
#include <optional>

#include "common/logic/TranslatedText.h"

namespace oriastra {

enum class ReminderAction {
    StoreToday,          // first run: remember today, say nothing
    AskAndStoreToday,    // the stored day is more than two weeks away
    Nothing,             // within two weeks, or a stored value that is no date
};

// storedEmpty: no value kept yet. daysFromToday: stored day minus today, or nothing when the
// stored text does not read as a date.
ReminderAction DecideUpdateReminder(bool storedEmpty, std::optional<int> daysFromToday);

inline constexpr const char* kUpdateQuestion = ORIASTRA_TEXT(
    "Messages",
    "There maybe an update to this software available\rDo you want to check for an update?");

}  // namespace oriastra
