#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "common/logic/TranslatedText.h"

namespace oriastra {

// The sexes as records, the command line and the details keep them, in English whatever the
// windows' language.
inline constexpr std::string_view kMale = ORIASTRA_TEXT("BirthDetails", "Male");
inline constexpr std::string_view kFemale = ORIASTRA_TEXT("BirthDetails", "Female");

// The last entry a Calculate step accepted; every accepted entry overwrites it.
struct BirthDetails {
    std::string name;   // trimmed of leading and trailing spaces
    std::int16_t year = 0;
    std::string month;  // English month name
    std::int16_t day = 0;
    std::string sex;    // kMale or kFemale; written only by a window that asks it
};

}  // namespace oriastra
