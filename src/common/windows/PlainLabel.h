#pragma once
#include <QLabel>
#include <QString>

namespace oriastra {

// A label that shows its text as typed: a name such as "<b>Ann" or a reading text is never read
// as markup. An empty name leaves the label unnamed.
QLabel* PlainLabel(const QString& name, const QString& text, QWidget* parent);

}  // namespace oriastra
