#include "common/windows/SvgPicture.h"

#include <QPixmapCache>
#include <QResource>

#include "common/windows/SvgDrawing.h"

// The predrawn pictures are compiled into a static library, so their registration must be asked
// for, outside any namespace.
static void RegisterPredrawnPictures() { Q_INIT_RESOURCE(predrawn); }

namespace oriastra {

namespace {

int drawings = 0;

}  // namespace

// Drawing an SVG brings in the SVG and path code and their memory, and the first window would be
// the only one to need them while it starts: its pictures are drawn at build time instead, as
// uncompressed premultiplied RGBA bytes, by the same DrawSvg.
QImage PredrawnPicture(const QString& path, QSize pixels) {
    static const bool registered = (RegisterPredrawnPictures(), true);
    (void)registered;
    if (!path.startsWith(QStringLiteral(":/"))) return {};
    const QResource resource(QStringLiteral(":/predrawn/%1@%2x%3")
                                 .arg(path.mid(2))
                                 .arg(pixels.width())
                                 .arg(pixels.height()));
    const qint64 bytes = qint64{pixels.width()} * pixels.height() * 4;
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() != bytes) {
        return {};
    }
    const QImage stored(resource.data(), pixels.width(), pixels.height(), pixels.width() * 4,
                        QImage::Format_RGBA8888_Premultiplied);
    return stored.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

int SvgDrawingsSoFar() { return drawings; }

QPixmap SvgPixmap(const QString& path, int size, qreal ratio) {
    return SvgPixmap(path, QSize(size, size), ratio);
}

QPixmap SvgPixmap(const QString& path, QSize size, qreal ratio) {
    // The pictures are built into the program, so one drawing serves every window that shows it.
    const QString key =
        QStringLiteral("svg:%1:%2x%3@%4").arg(path).arg(size.width()).arg(size.height()).arg(ratio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached)) return cached;
    const QSize pixels = size * ratio;
    QImage image = PredrawnPicture(path, pixels);
    if (image.isNull()) {
        image = DrawSvg(path, pixels);
        ++drawings;
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

}  // namespace oriastra
