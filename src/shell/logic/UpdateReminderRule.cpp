#include "shell/logic/UpdateReminderRule.h"

namespace oriastra {

ReminderAction DecideUpdateReminder(bool storedEmpty, std::optional<int> daysFromToday) {
    constexpr int kQuietDays = 14;
    if (storedEmpty) return ReminderAction::StoreToday;
    if (!daysFromToday) return ReminderAction::Nothing;
    if (*daysFromToday < -kQuietDays || *daysFromToday > kQuietDays) {
        return ReminderAction::AskAndStoreToday;
    }
    return ReminderAction::Nothing;
}

}  // namespace oriastra
