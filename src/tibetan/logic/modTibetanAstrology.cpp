#include "tibetan/logic/modTibetanAstrology.h"

#include <cstddef>

#include "common/logic/Months.h"
#include "tibetan/logic/TibetanTexts.h"

namespace oriastra {

namespace {

// Each month is split between two signs: days up to `lastDay` take `early`, later days `late`.
struct MonthSplit {
    std::size_t early;  // rows of kTibetanSunSigns
    int lastDay;
    std::size_t late;
};

// January to December.
constexpr std::array<MonthSplit, 12> kMonthSplits = {{
    {8, 12, 9},    // Shü, Chusin
    {9, 11, 10},   // Chusin, Bhumpa
    {10, 12, 11},  // Bhumpa, Nya
    {11, 11, 0},   // Nya, Lug
    {0, 12, 1},    // Lug, Läng
    {1, 12, 2},    // Läng, Khrig
    {2, 13, 3},    // Khrig, Kata
    {3, 13, 4},    // Kata, Senge
    {4, 14, 5},    // Senge, Bhumo
    {5, 13, 6},    // Bhumo, Sang
    {6, 14, 7},    // Sang, Dhig
    {7, 14, 8},    // Dhig, Shü
}};

// The sixty-year cycle as it falls from 1930: each element holds for two years.
constexpr std::array<std::string_view, 10> kYearElements = {
    "Iron", "Iron", "Water", "Water", "Wood", "Wood", "Fire", "Fire", "Earth", "Earth"};
constexpr std::array<std::string_view, 12> kYearAnimals = {"Horse", "Sheep", "Monkey", "Bird",
                                                           "Dog",   "Pig",   "Rat",    "Ox",
                                                           "Tiger", "Hare",  "Dragon", "Snake"};

template <std::size_t N>
std::optional<std::size_t> FindRow(const std::array<std::string_view, N>& table,
                                   std::string_view name) {
    for (std::size_t row = 0; row < N; ++row) {
        if (table[row] == name) return row;
    }
    return std::nullopt;
}

std::optional<std::size_t> FindSunSignRow(std::string_view tibetan) {
    for (std::size_t row = 0; row < kTibetanSunSigns.size(); ++row) {
        if (kTibetanSunSigns[row].tibetan == tibetan) return row;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string_view> TibetanSunSign(std::string_view month, int day) {
    const std::optional<int> index = MonthIndex(month);
    if (!index) return std::nullopt;
    const MonthSplit& split = kMonthSplits[static_cast<std::size_t>(*index)];
    return kTibetanSunSigns[day <= split.lastDay ? split.early : split.late].tibetan;
}

std::optional<std::string> TibetanYearEntry(int year) {
    if (year < kTibetanFirstYear || year > kTibetanLastYear) return std::nullopt;
    const auto n = static_cast<std::size_t>(year - kTibetanFirstYear);
    std::string entry(kYearElements[n % kYearElements.size()]);
    entry += '-';
    entry += kYearAnimals[n % kYearAnimals.size()];
    return entry;
}

TibetanReading CalculateTibetanReading(const BirthDetails& details,
                                       const TibetanReading& previous) {
    TibetanReading reading = previous;

    if (const auto sign = TibetanSunSign(details.month, details.day)) {
        if (const auto row = FindSunSignRow(*sign)) {
            const TibetanSunSignRow& found = kTibetanSunSigns[*row];
            reading.tibetanSunSign = found.tibetan;
            reading.translation = found.translation;
            reading.westernSunSign = found.western;
            reading.westernSunSignText = WesternSignText(static_cast<int>(*row));
            reading.sunSignPicture = static_cast<int>(*row) + 1;
        }
    }

    const std::optional<std::string> entry = TibetanYearEntry(details.year);
    if (!entry) return reading;
    const std::size_t hyphen = entry->find('-');
    const std::string_view element = std::string_view(*entry).substr(0, hyphen);
    const std::string_view animal = std::string_view(*entry).substr(hyphen + 1);

    if (const auto row = FindRow(kTibetanAnimals, animal)) {
        reading.animalSign = kTibetanAnimals[*row];
        reading.animalSignText = AnimalSignText(static_cast<int>(*row));
        reading.animalPicture = static_cast<int>(*row) + 1;
    }
    if (const auto row = FindRow(kTibetanElements, element)) {
        reading.element = kTibetanElements[*row];
        reading.elementText = ElementText(static_cast<int>(*row));
    }
    return reading;
}

}  // namespace oriastra
