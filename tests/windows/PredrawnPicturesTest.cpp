#include <QDirIterator>
#include <QPixmapCache>
#include <QRegularExpression>
#include <QResource>

#include "WindowTest.h"
#include "common/windows/SvgDrawing.h"
#include "common/windows/SvgPicture.h"

namespace oriastra {
namespace {

class PredrawnPicturesTest : public WindowTest {};

// Each picture the build drew is, byte for byte, what drawing its SVG at that size gives, and is
// kept uncompressed, so reading it back costs no unpacking.
TEST_F(PredrawnPicturesTest, AreWhatDrawingTheirSvgGives) {
    const QRegularExpression name(QStringLiteral("^:/predrawn/(.+\\.svg)@(\\d+)x(\\d+)$"));
    int pictures = 0;
    for (QDirIterator it(QStringLiteral(":/predrawn"), QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        SCOPED_TRACE(path.toStdString());
        const QRegularExpressionMatch match = name.match(path);
        ASSERT_TRUE(match.hasMatch());
        EXPECT_EQ(QResource(path).compressionAlgorithm(), QResource::NoCompression);
        const QString svg = QStringLiteral(":/") + match.captured(1);
        const QSize pixels(match.captured(2).toInt(), match.captured(3).toInt());
        const QImage predrawn = PredrawnPicture(svg, pixels);
        ASSERT_FALSE(predrawn.isNull());
        EXPECT_EQ(predrawn, DrawSvg(svg, pixels));
        ++pictures;
    }
    // The program's icon and a button picture for each tradition, at two pixel ratios.
    EXPECT_GE(pictures, 12);
    EXPECT_TRUE(PredrawnPicture(QStringLiteral(":/frmMDI/tibetan.svg"), QSize(39, 39)).isNull())
        << "a size the build did not draw";
}

// The main window shows only pictures the build drew: starting draws no SVG.
TEST_F(PredrawnPicturesTest, StartingDrawsNoSvg) {
    QPixmapCache::clear();
    const int before = SvgDrawingsSoFar();
    Start();
    EXPECT_EQ(SvgDrawingsSoFar(), before);
}

}  // namespace
}  // namespace oriastra
