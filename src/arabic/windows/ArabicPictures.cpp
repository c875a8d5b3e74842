#include "arabic/windows/ArabicPictures.h"

#include <array>
#include <cstddef>

#include "common/windows/PictureList.h"

namespace oriastra {

namespace {

constexpr std::array<const char*, 12> kUrduNameFiles = {
    "urdu-00-hamal", "urdu-01-saur",  "urdu-02-jauza", "urdu-03-saratan",
    "urdu-04-asad",  "urdu-05-sumbula", "urdu-06-mizan", "urdu-07-aqrab",
    "urdu-08-qaus",  "urdu-09-jadi",  "urdu-10-dalw",  "urdu-11-hut"};
constexpr std::array<const char*, 12> kZodiacFiles = {
    "zodiac-00-hamal", "zodiac-01-sawar", "zodiac-02-jawza", "zodiac-03-saratan",
    "zodiac-04-asad",  "zodiac-05-sunbula", "zodiac-06-maizan", "zodiac-07-aqrab",
    "zodiac-08-quos",  "zodiac-09-jadee", "zodiac-10-dalwa", "zodiac-11-hood"};

QString Picture(const std::array<const char*, 12>& files, int number) {
    return PictureListEntry("frmArabicAstrologyDisplay", files, number);
}

}  // namespace

QString ArabicUrduNamePicture(int number) { return Picture(kUrduNameFiles, number); }
QString ArabicZodiacPicture(int number) { return Picture(kZodiacFiles, number); }

}  // namespace oriastra
