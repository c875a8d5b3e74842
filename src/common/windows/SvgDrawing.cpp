#include "common/windows/SvgDrawing.h"

#include <QPainter>
#include <QSvgRenderer>

namespace oriastra {

QImage DrawSvg(const QString& path, QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image;
}

}  // namespace oriastra
