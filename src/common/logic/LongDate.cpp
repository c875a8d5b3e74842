#include "common/logic/LongDate.h"

#include "common/logic/TranslatedText.h"

namespace oriastra {

std::string LongDateText(std::string_view month, int day, int year) {
    //: A date in a report: %1 the month's name, %2 the day, %3 the year
    return FillIn(Translated("Reports", "%1 %2, %3"),
                  {Translated("Months", month), std::to_string(day), std::to_string(year)});
}

}  // namespace oriastra
