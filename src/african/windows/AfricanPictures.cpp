#include "african/windows/AfricanPictures.h"

#include <array>

#include "common/windows/PictureList.h"

namespace oriastra {

namespace {

constexpr std::array<const char*, 12> kSignFiles = {
    "sign-00-harvest",   "sign-01-baobab",       "sign-02-amber-silver", "sign-03-family",
    "sign-04-neighborhood", "sign-05-market",    "sign-06-ancestor",     "sign-07-judge",
    "sign-08-kola-nut",  "sign-09-traveller",    "sign-10-distance",     "sign-11-child"};

}  // namespace

QString AfricanSignPicture(int number) {
    return PictureListEntry("frmAfricanAstrologyDisplay", kSignFiles, number);
}

}  // namespace oriastra
