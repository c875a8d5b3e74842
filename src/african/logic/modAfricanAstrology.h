#pragma once
#include <array>
#include <string>
#include <string_view>

namespace oriastra {

// A sign's short fields; its description is AfricanSignText(row).
struct AfricanSign {
    std::string_view name;
    std::string_view element;
    std::string_view luckyDay;
    std::string_view mostSuccessfulMonths;
    std::string_view bodyParts;
};

// Row order is also the order of the sign pictures and of AfricanSignText.
inline constexpr std::array<AfricanSign, 12> kAfricanSigns = {{
    {"The Harvest In The Granary", "Water", "Thursday", "April and December", "The Skin and Bones"},
    {"The Baobab Tree", "Air", "Thursday", "January and May", "Liver and Gall Bladder"},
    {"The Wealth Of Amber And Silver", "Air", "Wednesday", "February and June",
     "The Nervous System"},
    {"The Family", "Earth", "Tuesday", "March and July", "The Lungs"},
    {"Small Services To The Neighborhood", "Earth", "Saturday", "April and August",
     "Medultary System"},
    {"The Market", "Fire", "Sunday", "May and September", "The Throat and Veins"},
    {"The Ancestor", "Water", "Monday", "June and October", "The Head"},
    {"The Judge", "Fire", "Tuesday", "July and November", "The Kidneys"},
    {"The Kola Nut", "Earth", "Wednesday", "August and December", "The Sexual Organs"},
    {"The Traveller", "Air", "Thursday", "January and September", "The Feet and Joints"},
    {"The Distance", "Water", "Friday", "February and October", "The Heart"},
    {"The Child Of The World", "Fire", "Saturday", "November and March", "Sensitive Body Parts"},
}};

// What the reading window shows. A window that has not been filled shows empty values and no
// picture, and a report made from it says so.
// Every value is a view of the sign table or its text, never a copy.
struct AfricanReading {
    std::string_view sign;
    std::string_view element;
    std::string_view luckyDay;
    std::string_view mostSuccessfulMonths;
    std::string_view bodyParts;
    std::string_view description;
    int picture = 0;  // counted from 1 (row + 1); 0 = none
    friend bool operator==(const AfricanReading&, const AfricanReading&) = default;
};

// The row (0 to 11) of the sign for a day of a month. The month is compared exactly with
// "January".."November"; any other text counts as December. The day is not checked against the
// month's length; the year plays no part.
int FindAfricanSign(std::string_view month, int day);

// The reading for a day of a month: the found row's fields, its description and its picture.
AfricanReading CalculateAfricanSign(std::string_view month, int day);

}  // namespace oriastra
