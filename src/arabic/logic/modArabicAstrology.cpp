#include "arabic/logic/modArabicAstrology.h"

#include <cstddef>

#include "arabic/logic/ArabicTexts.h"

namespace oriastra {

namespace {

constexpr std::array<std::string_view, 12> kWesternNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
constexpr std::array<std::string_view, 12> kArabicNames = {
    "Hamal", "Sawar", "Jawza", "Saratan", "Asad", "Sunbula",
    "Maizan", "Aqrab", "Quos", "Jadee", "Dalwa", "Hood"};
// "Addalw" for Virgo and "Ad Halw" for Aquarius are the names as the table has always had them.
constexpr std::array<std::string_view, 12> kPhoneticNames = {
    "Al Haml",  "Athawr",   "Al Hauza", "Assaratan", "Al Asad", "Addalw",
    "Al Hizan", "Al Aqrab", "Al Haus",  "Al Hadiy",  "Ad Halw", "Al Hut"};

// A month's first day of its later sign; every smaller day belongs to the earlier sign.
struct MonthSplit {
    std::string_view month;
    std::int16_t firstDay;
    std::string_view earlier;
    std::string_view later;
};

constexpr std::array<MonthSplit, 12> kMonthSplits = {{
    {"January", 20, "Capricorn", "Aquarius"},
    {"February", 19, "Aquarius", "Pisces"},
    {"March", 21, "Pisces", "Aries"},
    {"April", 21, "Aries", "Taurus"},
    {"May", 21, "Taurus", "Gemini"},
    {"June", 21, "Gemini", "Cancer"},
    {"July", 21, "Cancer", "Leo"},
    {"August", 21, "Leo", "Virgo"},
    {"September", 21, "Virgo", "Libra"},
    {"October", 21, "Libra", "Scorpio"},
    {"November", 21, "Scorpio", "Sagittarius"},
    {"December", 21, "Sagittarius", "Capricorn"},
}};

}  // namespace

ArabicSignTables LoadArabicSignTables() {
    ArabicSignTables tables{kWesternNames, kArabicNames, kPhoneticNames, {}};
    for (std::size_t row = 0; row < tables.descriptions.size(); ++row) {
        tables.descriptions[row] = ArabicSignText(static_cast<int>(row));
    }
    return tables;
}

std::optional<std::string_view> FindWesternSunSign(std::string_view month, std::int16_t day) {
    for (const MonthSplit& split : kMonthSplits) {
        if (split.month == month) return day >= split.firstDay ? split.later : split.earlier;
    }
    return std::nullopt;
}

std::optional<ArabicReading> FindArabicSign(std::string_view westernName) {
    const ArabicSignTables tables = LoadArabicSignTables();
    for (std::size_t row = 0; row < tables.westernNames.size(); ++row) {
        if (tables.westernNames[row] != westernName) continue;
        const int picture = static_cast<int>(row) + 1;
        return ArabicReading{tables.westernNames[row], tables.arabicNames[row],
                             tables.phoneticNames[row], tables.descriptions[row], picture,
                             picture};
    }
    return std::nullopt;
}

void StoreWesternSunSign(ArabicState& state, std::string_view month, std::int16_t day) {
    if (const auto sign = FindWesternSunSign(month, day)) state.WesternSunSign = *sign;
}

}  // namespace oriastra
