#include <gtest/gtest.h>

#include "shell/logic/UpdateReminderRule.h"

namespace oriastra {
namespace {

TEST(UpdateReminderRule, AsksOnlyBeyondTwoWeeksEitherWay) {
    struct Row {
        bool empty;
        std::optional<int> days;
        ReminderAction action;
    };
    for (const Row row : {Row{true, std::nullopt, ReminderAction::StoreToday},
                          Row{false, std::nullopt, ReminderAction::Nothing},
                          Row{false, 0, ReminderAction::Nothing},
                          Row{false, 14, ReminderAction::Nothing},
                          Row{false, -14, ReminderAction::Nothing},
                          Row{false, 15, ReminderAction::AskAndStoreToday},
                          Row{false, -15, ReminderAction::AskAndStoreToday}}) {
        EXPECT_EQ(DecideUpdateReminder(row.empty, row.days), row.action)
            << row.days.value_or(9999);
    }
}

}  // namespace
}  // namespace oriastra
