#include "african/logic/modAfricanAstrology.h"

#include <cstddef>

#include "african/logic/AfricanTexts.h"
#include "common/logic/Months.h"

namespace oriastra {

namespace {

// Each month is split between two signs: days up to `lastDay` take `early`, later days `late`.
struct MonthSplit {
    int early;  // rows of kAfricanSigns
    int lastDay;
    int late;
};

// January to December. December also stands for any text that is no other month name.
constexpr std::array<MonthSplit, 12> kMonthSplits = {{
    {0, 3, 1},    // Harvest, Baobab
    {1, 3, 2},    // Baobab, Amber and Silver
    {2, 5, 3},    // Amber and Silver, Family
    {3, 4, 4},    // Family, Small Services
    {4, 4, 5},    // Small Services, Market
    {5, 4, 6},    // Market, Ancestor
    {6, 4, 7},    // Ancestor, Judge
    {7, 4, 8},    // Judge, Kola Nut
    {8, 3, 9},    // Kola Nut, Traveller
    {9, 3, 10},   // Traveller, Distance
    {10, 3, 11},  // Distance, Child Of The World
    {11, 3, 0},   // Child Of The World, Harvest
}};

constexpr int kDecember = 11;

}  // namespace

int FindAfricanSign(std::string_view month, int day) {
    const int index = MonthIndex(month).value_or(kDecember);
    const MonthSplit& split = kMonthSplits[static_cast<std::size_t>(index)];
    return day <= split.lastDay ? split.early : split.late;
}

AfricanReading CalculateAfricanSign(std::string_view month, int day) {
    const int row = FindAfricanSign(month, day);
    const AfricanSign& sign = kAfricanSigns[static_cast<std::size_t>(row)];
    return {sign.name,      sign.element,           sign.luckyDay, sign.mostSuccessfulMonths,
            sign.bodyParts, AfricanSignText(row), row + 1};
}

}  // namespace oriastra
