// Measured sizes of wrapped texts: answers kept for the run must never be handed to another
// question, and links must size like the plain labels beside them.
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

#include "common/windows/BannerLabel.h"
#include "common/windows/PlainLabel.h"
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

    // Links keep their measures for the run: another link of the caption with margins around it
    // is measured with them, whichever link was measured first.
    BannerLabel framed(QStringLiteral("framed"), caption, QStringLiteral("a page"), [] {});
    framed.setContentsMargins(5, 4, 5, 4);
    EXPECT_EQ(framed.sizeHint(), link.sizeHint() + QSize(10, 8));
    EXPECT_EQ(framed.minimumSizeHint(), link.minimumSizeHint() + QSize(10, 8));

    // A larger font is measured anew, not answered from the smaller one.
    const QSize before = link.sizeHint();
    QFont larger = link.font();
    larger.setPointSizeF(larger.pointSizeF() * 2);
    link.setFont(larger);
    plain.setFont(larger);
    EXPECT_GT(link.sizeHint().height(), before.height());
    EXPECT_EQ(link.heightForWidth(300), plain.heightForWidth(300));
}

// Plain labels keep their measurements for the run: each must still get QLabel's own answer,
// however little it differs from a label measured before it.
TEST(WrappedTextTest, APlainLabelMeasuresAsQLabelDoes) {
    const QString text = QStringLiteral(
        "Your lucky direction is north-east, and the planet of your birth day is Jupiter.");
    QFont bold = QApplication::font();
    bold.setBold(true);
    QFont larger = QApplication::font();
    larger.setPointSizeF(larger.pointSizeF() * 1.5);
    struct Case {
        const char* what;
        std::function<void(QLabel&)> set;
    };
    // Each case differs from the one before it in one setting only, same text.
    const Case cases[] = {
        {"one line", [](QLabel&) {}},
        {"wrapped", [](QLabel& l) { l.setWordWrap(true); }},
        {"bold", [&](QLabel& l) { l.setWordWrap(true), l.setFont(bold); }},
        {"larger", [&](QLabel& l) { l.setWordWrap(true), l.setFont(larger); }},
        {"margin", [](QLabel& l) { l.setWordWrap(true), l.setMargin(7); }},
        {"indent", [](QLabel& l) { l.setWordWrap(true), l.setIndent(12); }},
        {"contents margins", [](QLabel& l) { l.setWordWrap(true), l.setContentsMargins(3, 4, 9, 2); }},
        {"framed", [](QLabel& l) { l.setWordWrap(true), l.setFrameShape(QFrame::Box); }},
        {"minimum width", [](QLabel& l) { l.setWordWrap(true), l.setMinimumWidth(300); }},
        {"maximum width", [](QLabel& l) { l.setWordWrap(true), l.setMaximumWidth(150); }},
        {"right aligned", [](QLabel& l) { l.setAlignment(Qt::AlignRight | Qt::AlignBottom); }},
        {"other text", [](QLabel& l) { l.setWordWrap(true), l.setText(QStringLiteral("Mars")); }},
    };
    for (int round = 0; round < 2; ++round) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.what << ", round " << round);
            QWidget parent;
            QLabel* label = PlainLabel(QStringLiteral("label"), text, &parent);
            QLabel reference(text, &parent);
            reference.setTextFormat(Qt::PlainText);
            c.set(*label);
            c.set(reference);
            EXPECT_EQ(label->sizeHint(), reference.sizeHint());
            EXPECT_EQ(label->minimumSizeHint(), reference.minimumSizeHint());
            for (int width : {40, 120, 260, 900}) {
                EXPECT_EQ(label->heightForWidth(width), reference.heightForWidth(width)) << width;
            }
        }
    }
}

// A box of a reading window: a caption, a wrapped value beside it, a paragraph under both.
struct ParagraphBox {
    QWidget box;
    QLabel* value = nullptr;
    QLabel* paragraph = nullptr;

    ParagraphBox(bool fixedParagraph, const QString& text, QSize size) {
        box.setStyleSheet(QStringLiteral("QLabel { color: #7a1010; }"));
        auto* rows = new QGridLayout(&box);
        rows->addWidget(PlainLabel(QStringLiteral("caption"), QStringLiteral("Animal"), &box), 0,
                        0);
        value = PlainLabel(QStringLiteral("value"), QStringLiteral("Garuda, the bird"), &box);
        value->setWordWrap(true);
        rows->addWidget(value, 0, 1);
        if (fixedParagraph) {
            paragraph = FixedParagraphLabel(QStringLiteral("paragraph"), size, &box);
        } else {
            paragraph = PlainLabel(QStringLiteral("paragraph"), QString(), &box);
            paragraph->setWordWrap(true);
            paragraph->setFixedSize(size);
        }
        paragraph->setText(text);
        rows->addWidget(paragraph, 1, 0, 1, 2);
        box.ensurePolished();
        box.adjustSize();
    }
};

TEST(WrappedTextTest, AFixedParagraphLaysOutAndPaintsAsAPlainLabelOfThatSize) {
    const QString sentence = QStringLiteral(
        "Those born on a Saturday are patient and stubborn, slow to anger and slower to forgive. ");
    struct Case {
        const char* what;
        QString text;
        QSize size;
    };
    const Case cases[] = {
        {"empty", QString(), {300, 40}},
        {"fits", sentence, {500, 80}},
        {"taller than its box", sentence.repeated(6), {240, 60}},
        {"markup stays text", QStringLiteral("<b>bold?</b> ") + sentence, {400, 90}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ParagraphBox plain(false, c.text, c.size);
        ParagraphBox fixed(true, c.text, c.size);
        EXPECT_EQ(fixed.paragraph->size(), c.size);
        EXPECT_EQ(fixed.box.size(), plain.box.size());
        EXPECT_EQ(fixed.box.minimumSizeHint(), plain.box.minimumSizeHint());
        EXPECT_EQ(fixed.value->geometry(), plain.value->geometry());
        EXPECT_EQ(fixed.paragraph->geometry(), plain.paragraph->geometry());
        // The window's style sheet reaches it as it reaches any label.
        EXPECT_EQ(fixed.paragraph->palette().color(QPalette::WindowText), QColor("#7a1010"));
        EXPECT_EQ(fixed.box.grab().toImage(), plain.box.grab().toImage());
    }
}

}  // namespace
}  // namespace oriastra
