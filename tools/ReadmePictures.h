#pragma once
#include <QImage>
#include <QString>
#include <map>

namespace oriastra {

// The README's pictures: which rendered window each one is, and the file it is kept in.
struct ReadmePicture {
    const char* shot;
    const char* file;
};

inline constexpr ReadmePicture kReadmePictures[] = {
    {"frmMDI", "main-window.png"},
    {"frmTibetanAstrologyMain-in-frmMDI", "tibetan-input.png"},
    {"frmTibetanAstrologyDisplay-tab1", "tibetan-reading.png"},
    {"frmTibetanAstrologySave", "tibetan-report.png"},
    {"frmBurmeseAstrologyDisplay-chart", "burmese-reading.png"},
    {"frmBurmeseAstrologySave", "burmese-report.png"},
    {"frmIndonesianAstrologyDisplay", "indonesian-reading.png"},
    {"frmIndonesianAstrologySave", "indonesian-report.png"},
    {"frmArabicAstrologyDisplay", "arabic-reading.png"},
    {"frmAfricanAstrologyDisplay", "african-reading.png"},
    {"frmAfricanAstrologySave", "african-report.png"},
};

// Whether two pictures show the same thing: the same size, and no colour channel of any pixel
// more than a rounding step apart (processors may blend the last bit differently). Another font,
// size or layout changes far more.
bool SamePicture(const QImage& one, const QImage& other);

// Compares each README picture in `folder` with its render; one line per picture that differs or
// is missing, written to standard error. True when all match.
bool ReadmePicturesMatch(const QString& folder, const std::map<QString, QImage>& renders);

}  // namespace oriastra
