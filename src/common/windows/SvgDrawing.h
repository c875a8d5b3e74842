#pragma once
#include <QImage>
#include <QSize>
#include <QString>

namespace oriastra {

// A picture drawn from its SVG into an image of `pixels`, transparent where it draws nothing: the
// one way the program draws its pictures, at run time and, for those its first window shows,
// once at build time.
QImage DrawSvg(const QString& path, QSize pixels);

}  // namespace oriastra
