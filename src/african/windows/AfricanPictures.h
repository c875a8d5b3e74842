#pragma once
#include <QString>

namespace oriastra {

// The picture list IMG of the reading window: picture n (counted from 1) belongs to sign row
// n - 1, as a resource path; an empty path for a number outside 1 to 12.
QString AfricanSignPicture(int number);

}  // namespace oriastra
