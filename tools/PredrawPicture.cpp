// Draws one of the program's pictures at build time, as the program would draw it, into the
// uncompressed bytes the program reads back (premultiplied RGBA, a row after another):
// oriastra-predraw-picture picture.svg out-file width height
#include <QByteArray>
#include <QFile>
#include <QSvgRenderer>
#include <cstdio>

#include "common/windows/SvgDrawing.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: oriastra-predraw-picture picture.svg out-file width height\n");
        return 2;
    }
    bool widthIsNumber = false;
    bool heightIsNumber = false;
    const int width = QByteArray(argv[3]).toInt(&widthIsNumber);
    const int height = QByteArray(argv[4]).toInt(&heightIsNumber);
    if (!widthIsNumber || !heightIsNumber || width <= 0 || height <= 0) {
        std::fprintf(stderr, "not a size: %s x %s\n", argv[3], argv[4]);
        return 2;
    }
    // Pictures without text need no application object: no display, no fonts.
    const QString picture = QString::fromLocal8Bit(argv[1]);
    if (!QSvgRenderer(picture).isValid()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QImage image = oriastra::DrawSvg(picture, QSize(width, height))
                             .convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    QFile out(QString::fromLocal8Bit(argv[2]));
    const auto* bytes = reinterpret_cast<const char*>(image.constBits());
    const qint64 size = qint64{width} * height * 4;
    if (image.bytesPerLine() != width * 4 || !out.open(QIODevice::WriteOnly) ||
        out.write(bytes, size) != size || !out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
