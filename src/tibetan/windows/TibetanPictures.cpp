#include "tibetan/windows/TibetanPictures.h"

#include <array>

#include "common/windows/PictureList.h"

namespace oriastra {

namespace {

constexpr std::array<const char*, 12> kSunSignFiles = {
    "sun-00-lug",   "sun-01-lang", "sun-02-khrig",  "sun-03-kata",
    "sun-04-senge", "sun-05-bhumo", "sun-06-sang",  "sun-07-dhig",
    "sun-08-shu",   "sun-09-chusin", "sun-10-bhumpa", "sun-11-nya"};
constexpr std::array<const char*, 12> kAnimalFiles = {
    "animal-00-rat",   "animal-01-ox",    "animal-02-tiger", "animal-03-hare",
    "animal-04-dragon", "animal-05-snake", "animal-06-horse", "animal-07-sheep",
    "animal-08-monkey", "animal-09-bird",  "animal-10-dog",   "animal-11-pig"};

QString Picture(const std::array<const char*, 12>& files, int number) {
    return PictureListEntry("frmTibetanAstrologyDisplay", files, number);
}

}  // namespace

QString TibetanSunSignPicture(int number) { return Picture(kSunSignFiles, number); }
QString TibetanAnimalPicture(int number) { return Picture(kAnimalFiles, number); }

}  // namespace oriastra
