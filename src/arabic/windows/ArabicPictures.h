#pragma once
#include <QSize>
#include <QString>

namespace oriastra {

// The reading window's picture lists: IMG, the signs' names in Urdu script, and IMG2, the zodiac
// pictures. Picture n (counted from 1) belongs to sign table row n - 1; a number outside 1 to 12
// gives an empty path.
QString ArabicUrduNamePicture(int number);  // IMG
QString ArabicZodiacPicture(int number);    // IMG2

inline constexpr QSize kUrduNamePictureSize{51, 29};
inline constexpr QSize kZodiacPictureSize{200, 200};

}  // namespace oriastra
