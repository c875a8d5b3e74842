#include "common/logic/LongDate.h"

namespace oriastra {

std::string LongDateText(std::string_view month, int day, int year) {
    std::string text(month);
    text += ' ';
    text += std::to_string(day);
    text += ", ";
    text += std::to_string(year);
    return text;
}

}  // namespace oriastra
