// Measured sizes of wrapped texts: answers kept for the run must never be handed to another
// question, and links must size like the plain labels beside them.
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <gtest/gtest.h>

#include "common/windows/BannerLabel.h"
#include "common/windows/WrappedText.h"

namespace oriastra {
namespace {

int Measured(const QFont& font, int width, const QStringList& texts) {
    int tallest = 0;
    for (const QString& text : texts) {
        tallest = std::max(tallest, QFontMetrics(font)
                                        .boundingRect(QRect(0, 0, width, 1000000),
                                                      Qt::TextWordWrap, text)
                                        .height());
    }
    return tallest;
}

TEST(WrappedTextTest, EachQuestionHasItsOwnAnswer) {
    const QString longText = QStringLiteral(
        "Born under the lion you take the lead where others wait, and you carry the weight of a "
        "promise long after the others have put theirs down.");
    const QStringList sets[] = {{longText},
                                {QStringLiteral("Short"), longText},
                                {QStringLiteral("Short")},
                                {longText + QStringLiteral(" ") + longText}};
    QFont small = QApplication::font();
    small.setPointSizeF(8);
    QFont large = small;
    large.setPointSizeF(16);
    // Asked twice, in an order that interleaves fonts, widths and sets.
    for (int round = 0; round < 2; ++round) {
        for (const QFont& font : {small, large}) {
            for (int width : {120, 400}) {
                for (const QStringList& texts : sets) {
                    SCOPED_TRACE(testing::Message() << font.pointSizeF() << " pt, " << width
                                                    << " px, round " << round);
                    EXPECT_EQ(TallestWrappedText(font, width, texts), Measured(font, width, texts));
                }
            }
        }
    }
}

TEST(WrappedTextTest, ALinkSizesLikeAPlainWrappedLabel) {
    const std::string caption =
        "Co-brand this software for your site.  Increase loyalty and traffic to your site.";
    BannerLabel link(QStringLiteral("link"), caption, QStringLiteral("a page"), [] {});
    QLabel plain(QString::fromStdString(caption));
    plain.setTextFormat(Qt::PlainText);
    plain.setWordWrap(true);
    for (int width : {60, 150, 300, 2000}) {
        SCOPED_TRACE(width);
        EXPECT_EQ(link.heightForWidth(width), plain.heightForWidth(width));
    }
    EXPECT_EQ(link.minimumSizeHint().width(), plain.minimumSizeHint().width());

    // A larger font is measured anew, not answered from the smaller one.
    const QSize before = link.sizeHint();
    QFont larger = link.font();
    larger.setPointSizeF(larger.pointSizeF() * 2);
    link.setFont(larger);
    plain.setFont(larger);
    EXPECT_GT(link.sizeHint().height(), before.height());
    EXPECT_EQ(link.heightForWidth(300), plain.heightForWidth(300));
}

}  // namespace
}  // namespace oriastra
