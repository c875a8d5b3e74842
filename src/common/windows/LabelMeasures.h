#pragma once
#include <QHash>
#include <QLabel>
#include <QString>

namespace oriastra {

// Labels measure their text anew for each size question, and every reading window asks the same
// questions of the same texts: the answers are kept for the run, by a key that holds everything
// QLabel's own measurement reads (font, resolution, alignment, wrapping, indent, margins, frame,
// size bounds, direction and text).
QString LabelMeasureKey(const QLabel& label);

// The answers of one kind, at most kKept of them: a run that meets ever new texts starts afresh.
template <typename Value>
class LabelAnswers {
public:
    static constexpr qsizetype kKept = 512;

    template <typename Measure>
    Value Get(const QString& key, Measure measure) {
        const auto known = answers_.constFind(key);
        if (known != answers_.constEnd()) return *known;
        const Value value = measure();
        if (answers_.size() >= kKept) answers_.clear();
        answers_.insert(key, value);
        return value;
    }

private:
    QHash<QString, Value> answers_;
};

}  // namespace oriastra
