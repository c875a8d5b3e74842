#pragma once
#include <array>
#include <optional>
#include <string_view>

#include "common/logic/TranslatedText.h"

namespace oriastra {

// In English, as records and the command line keep them; the windows show them translated.
inline constexpr std::array<std::string_view, 12> kMonthNames = {
    ORIASTRA_TEXT("Months", "January"),   ORIASTRA_TEXT("Months", "February"),
    ORIASTRA_TEXT("Months", "March"),     ORIASTRA_TEXT("Months", "April"),
    ORIASTRA_TEXT("Months", "May"),       ORIASTRA_TEXT("Months", "June"),
    ORIASTRA_TEXT("Months", "July"),      ORIASTRA_TEXT("Months", "August"),
    ORIASTRA_TEXT("Months", "September"), ORIASTRA_TEXT("Months", "October"),
    ORIASTRA_TEXT("Months", "November"),  ORIASTRA_TEXT("Months", "December")};

// Exact, case-sensitive lookup: "january" is not a month.
std::optional<int> MonthIndex(std::string_view name);

}  // namespace oriastra
