#include "common/SvgPicture.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace oriastra {

QPixmap SvgPixmap(const QString& path, int size, qreal ratio) {
    return SvgPixmap(path, QSize(size, size), ratio);
}

QPixmap SvgPixmap(const QString& path, QSize size, qreal ratio) {
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace oriastra
