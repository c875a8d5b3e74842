#pragma once
#include <QPixmap>
#include <QString>

namespace oriastra {

// A picture drawn from its SVG at `size` logical pixels and the given pixel ratio, so it stays
// sharp on high-DPI screens without the cost of an icon engine; drawn once per size and ratio.
// The pictures of the first window come drawn already for the usual ratios (PredrawnPicture).
QPixmap SvgPixmap(const QString& path, int size, qreal ratio);
// The same for a picture that is not square.
QPixmap SvgPixmap(const QString& path, QSize size, qreal ratio);

// The picture at `path` (":/frmMDI/tibetan.svg") as the build drew it at `pixels`, or a null
// image where the build drew none at that size.
QImage PredrawnPicture(const QString& path, QSize pixels);

// How many pictures the run has drawn from their SVG so far.
int SvgDrawingsSoFar();

}  // namespace oriastra
