#pragma once
#include <QString>

namespace oriastra {

// The picture lists imgTibetanSunSign and imgTibetanAnimalSign: picture n (counted from 1) of
// each, as a resource path; an empty path for a number outside 1 to 12.
QString TibetanSunSignPicture(int number);
QString TibetanAnimalPicture(int number);

}  // namespace oriastra
