#include "common/windows/SvgPicture.h"

#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace oriastra {

QPixmap SvgPixmap(const QString& path, int size, qreal ratio) {
    return SvgPixmap(path, QSize(size, size), ratio);
}

QPixmap SvgPixmap(const QString& path, QSize size, qreal ratio) {
    // The pictures are built into the program, so one drawing serves every window that shows it.
    const QString key =
        QStringLiteral("svg:%1:%2x%3@%4").arg(path).arg(size.width()).arg(size.height()).arg(ratio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached)) return cached;
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

}  // namespace oriastra
