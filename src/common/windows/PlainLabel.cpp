#include "common/windows/PlainLabel.h"

#include <QHash>

namespace oriastra {

namespace {

struct Hints {
    QSize size;
    QSize minimum;
};

// Plain-text labels measure their text anew for each size question, and every reading window
// asks the same questions of the same texts; the answers are kept for the run. The key holds
// everything QLabel's own measurement reads.
class MeasuredLabel : public QLabel {
public:
    using QLabel::QLabel;

    QSize sizeHint() const override { return Measured().size; }
    QSize minimumSizeHint() const override { return Measured().minimum; }

    int heightForWidth(int width) const override {
        if (!Measurable()) return QLabel::heightForWidth(width);
        const QString key = Key() + QChar(0x1f) + QString::number(width);
        static QHash<QString, int> heights;
        const auto known = heights.constFind(key);
        if (known != heights.constEnd()) return *known;
        const int height = QLabel::heightForWidth(width);
        Keep(heights, key, height);
        return height;
    }

private:
    static constexpr qsizetype kAnswersKept = 512;

    template <typename Value>
    static void Keep(QHash<QString, Value>& answers, const QString& key, const Value& value) {
        if (answers.size() >= kAnswersKept) answers.clear();
        answers.insert(key, value);
    }

    bool Measurable() const {
        return textFormat() == Qt::PlainText && pixmap().isNull() && buddy() == nullptr;
    }

    Hints Measured() const {
        // QLabel polishes itself before its first measurement; the style may change the font.
        ensurePolished();
        if (!Measurable()) return {QLabel::sizeHint(), QLabel::minimumSizeHint()};
        static QHash<QString, Hints> hints;
        const QString key = Key();
        const auto known = hints.constFind(key);
        if (known != hints.constEnd()) return *known;
        const Hints measured{QLabel::sizeHint(), QLabel::minimumSizeHint()};
        Keep(hints, key, measured);
        return measured;
    }

    QString Key() const {
        const QMargins margins = contentsMargins();
        const QSize least = minimumSize();
        const int numbers[] = {logicalDpiY(),     static_cast<int>(alignment()),
                               wordWrap() ? 1 : 0, indent(),
                               margin(),           frameWidth(),
                               margins.left(),     margins.top(),
                               margins.right(),    margins.bottom(),
                               least.width(),      least.height(),
                               maximumWidth(),     static_cast<int>(layoutDirection())};
        QString key = font().key();
        for (int number : numbers) key += QChar(0x1f) + QString::number(number);
        return key + QChar(0x1e) + text();
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
