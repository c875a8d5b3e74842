#include "ReadmePictures.h"

#include <QDir>
#include <cstdio>
#include <cstdlib>

namespace oriastra {

bool SamePicture(const QImage& one, const QImage& other) {
    if (one.size() != other.size()) return false;
    const QImage a = one.convertToFormat(QImage::Format_ARGB32);
    const QImage b = other.convertToFormat(QImage::Format_ARGB32);
    constexpr int kRounding = 2;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = rowA[x];
            const QRgb q = rowB[x];
            if (std::abs(qRed(p) - qRed(q)) > kRounding || std::abs(qGreen(p) - qGreen(q)) > kRounding ||
                std::abs(qBlue(p) - qBlue(q)) > kRounding || std::abs(qAlpha(p) - qAlpha(q)) > kRounding) {
                return false;
            }
        }
    }
    return true;
}

bool ReadmePicturesMatch(const QString& folder, const WindowRenders& renders) {
    bool all = true;
    for (const auto& [file, name] : renders.readme) {
        const QString path = QDir(folder).filePath(file);
        const QImage kept(path);
        if (kept.isNull()) {
            std::fprintf(stderr, "%s: missing\n", qPrintable(path));
            all = false;
        } else if (!SamePicture(kept, renders.byName.at(name))) {
            std::fprintf(stderr, "%s: differs from a fresh render of %s\n", qPrintable(path),
                         qPrintable(name));
            all = false;
        }
    }
    return all;
}

}  // namespace oriastra
