#include "common/windows/PlainLabel.h"

#include "common/windows/LabelMeasures.h"

namespace oriastra {

namespace {

struct Hints {
    QSize size;
    QSize minimum;
};

// A plain-text label whose size answers are kept for the run (LabelMeasures).
class MeasuredLabel : public QLabel {
public:
    using QLabel::QLabel;

    QSize sizeHint() const override { return Measured().size; }
    QSize minimumSizeHint() const override { return Measured().minimum; }

    int heightForWidth(int width) const override {
        if (!Measurable()) return QLabel::heightForWidth(width);
        static LabelAnswers<int> heights;
        return heights.Get(LabelMeasureKey(*this) + QChar(0x1f) + QString::number(width),
                           [&] { return QLabel::heightForWidth(width); });
    }

private:
    bool Measurable() const {
        return textFormat() == Qt::PlainText && pixmap().isNull() && buddy() == nullptr;
    }

    Hints Measured() const {
        // QLabel polishes itself before its first measurement; the style may change the font.
        ensurePolished();
        if (!Measurable()) return {QLabel::sizeHint(), QLabel::minimumSizeHint()};
        static LabelAnswers<Hints> hints;
        return hints.Get(LabelMeasureKey(*this), [&] {
            return Hints{QLabel::sizeHint(), QLabel::minimumSizeHint()};
        });
    }
};

// Layouts ask a word-wrapped label its size hints and its height for each trial width, and
// QLabel lays its whole text out for every question; with its size fixed each answer is known.
class FixedParagraph : public QLabel {
public:
    using QLabel::QLabel;
    QSize sizeHint() const override { return minimumSize(); }
    QSize minimumSizeHint() const override { return minimumSize(); }
    int heightForWidth(int) const override { return minimumHeight(); }
};

void MakePlain(QLabel& label, const QString& name) {
    if (!name.isEmpty()) label.setObjectName(name);
    label.setTextFormat(Qt::PlainText);
}

}  // namespace

QLabel* PlainLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new MeasuredLabel(text, parent);
    MakePlain(*label, name);
    return label;
}

QLabel* FixedParagraphLabel(const QString& name, QSize size, QWidget* parent) {
    auto* label = new FixedParagraph(parent);
    MakePlain(*label, name);
    label->setWordWrap(true);
    label->setFixedSize(size);
    return label;
}

}  // namespace oriastra
