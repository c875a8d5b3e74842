#pragma once
#include <QPixmap>
#include <QString>

namespace oriastra {

// A picture drawn from its SVG at `size` logical pixels and the given pixel ratio, so it stays
// sharp on high-DPI screens without the cost of an icon engine; drawn once per size and ratio.
QPixmap SvgPixmap(const QString& path, int size, qreal ratio);
// The same for a picture that is not square.
QPixmap SvgPixmap(const QString& path, QSize size, qreal ratio);

}  // namespace oriastra
