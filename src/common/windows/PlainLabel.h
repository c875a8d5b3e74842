#pragma once
#include <QLabel>
#include <QSize>
#include <QString>

namespace oriastra {

// A label that shows its text as typed: a name such as "<b>Ann" or a reading text is never read
// as markup. An empty name leaves the label unnamed.
QLabel* PlainLabel(const QString& name, const QString& text, QWidget* parent);

// A word-wrapped plain label that keeps one size whatever its text. Its layout gets that size
// from it without wrapping the text, so a long paragraph is shaped only when it is painted.
QLabel* FixedParagraphLabel(const QString& name, QSize size, QWidget* parent);

}  // namespace oriastra
