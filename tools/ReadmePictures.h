#pragma once
#include <QImage>
#include <QString>

#include "WindowShots.h"

namespace oriastra {

// Whether two pictures show the same thing: the same size, and no colour channel of any pixel
// more than a rounding step apart (processors may blend the last bit differently). Another font,
// size or layout changes far more.
bool SamePicture(const QImage& one, const QImage& other);

// Compares each README picture in `folder` with its render; one line per picture that differs or
// is missing, written to standard error. True when all match.
bool ReadmePicturesMatch(const QString& folder, const WindowRenders& renders);

}  // namespace oriastra
