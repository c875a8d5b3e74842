#pragma once
#include <QFont>
#include <QStringList>

namespace oriastra {

// The height the tallest of `texts` needs when word-wrapped to `width` pixels in `font`. Windows
// that keep one size for every reading ask it each time they are built; the fonts and texts do
// not change while the program runs, so each answer is measured once.
int TallestWrappedText(const QFont& font, int width, const QStringList& texts);

// The height one text needs when word-wrapped to `width` pixels in `font`, measured each time:
// for a caller that keeps its own answers.
int WrappedTextHeight(const QFont& font, int width, const QString& text);

}  // namespace oriastra
