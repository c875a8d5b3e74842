// Renders the program's SVG icon to the PNG sizes of the hicolor theme, at build time:
// oriastra-render-icon picture.svg folder name size... writes folder/NxN/apps/name.png
#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: oriastra-render-icon picture.svg folder name size...\n");
        return 2;
    }
    // Pictures without text need no application object: no display, no fonts.
    QSvgRenderer picture(QString::fromLocal8Bit(argv[1]));
    if (!picture.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int index = 4; index < argc; ++index) {
        bool isNumber = false;
        const int size = QByteArray(argv[index]).toInt(&isNumber);
        if (!isNumber || size <= 0) {
            std::fprintf(stderr, "not a size: %s\n", argv[index]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.render(&painter);
        painter.end();

        const QString sizeFolder = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        const QString path = QStringLiteral("%1/%2.png").arg(sizeFolder, name);
        if (!QDir().mkpath(sizeFolder) || !image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
