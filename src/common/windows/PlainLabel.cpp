#include "common/windows/PlainLabel.h"

namespace oriastra {

namespace {

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
    auto* label = new QLabel(text, parent);
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
