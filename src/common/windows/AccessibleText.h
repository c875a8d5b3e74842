#pragma once
#include <QString>

class QLabel;
class QWidget;

namespace oriastra {

// What a screen reader says for a control: its name, then what it is for.
void SetAccessibleText(QWidget& control, const QString& name, const QString& description);

// A reading value is read with its caption before it ("Element: Water"), since a value alone
// ("Water") says nothing. ShowValue writes the text and that name together.
void MarkValue(QLabel& value, const QString& caption);
void ShowValue(QLabel& value, const QString& text);

}  // namespace oriastra
