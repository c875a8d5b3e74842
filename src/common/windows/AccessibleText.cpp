#include "common/windows/AccessibleText.h"

#include <QCoreApplication>
#include <QLabel>

namespace oriastra {

namespace {
constexpr char kCaptionProperty[] = "accessibleCaption";
}  // namespace

void SetAccessibleText(QWidget& control, const QString& name, const QString& description) {
    control.setAccessibleName(name);
    control.setAccessibleDescription(description);
}

void MarkValue(QLabel& value, const QString& caption) {
    value.setProperty(kCaptionProperty, caption);
    value.setAccessibleDescription(
        QCoreApplication::translate("AccessibleText", "A result of your reading"));
    ShowValue(value, value.text());
}

void ShowValue(QLabel& value, const QString& text) {
    value.setText(text);
    const QString caption = value.property(kCaptionProperty).toString();
    value.setAccessibleName(text.isEmpty() ? caption : caption + QStringLiteral(": ") + text);
}

}  // namespace oriastra
