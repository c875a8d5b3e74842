#include "common/windows/WrappedText.h"

#include <QFontMetrics>
#include <QHash>
#include <QRect>
#include <algorithm>

namespace oriastra {

int TallestWrappedText(const QFont& font, int width, const QStringList& texts) {
    // A window asks the same few questions each time it opens; the cache stays that small.
    constexpr qsizetype kQuestionsKept = 64;
    static QHash<QString, int> measured;
    // The whole question is the key, texts included, so no two questions share an answer.
    const QString key = font.key() + QChar(0x1f) + QString::number(width) + QChar(0x1f) +
                        texts.join(QChar(0x1e));
    const auto known = measured.constFind(key);
    if (known != measured.constEnd()) return *known;
    int tallest = 0;
    for (const QString& text : texts) {
        tallest = std::max(tallest, WrappedTextHeight(font, width, text));
    }
    if (measured.size() >= kQuestionsKept) measured.clear();
    measured.insert(key, tallest);
    return tallest;
}

int WrappedTextHeight(const QFont& font, int width, const QString& text) {
    return QFontMetrics(font)
        .boundingRect(QRect(0, 0, width, 1000000), Qt::TextWordWrap, text)
        .height();
}

}  // namespace oriastra
