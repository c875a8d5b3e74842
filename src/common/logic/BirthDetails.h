#pragma once
#include <cstdint>
#include <string>

namespace oriastra {

// The last entry a Calculate step accepted; every accepted entry overwrites it.
struct BirthDetails {
    std::string name;   // trimmed of leading and trailing spaces
    std::int16_t year = 0;
    std::string month;  // English month name
    std::int16_t day = 0;
    std::string sex;    // "Male" or "Female"; written only by a window that asks it
};

}  // namespace oriastra
