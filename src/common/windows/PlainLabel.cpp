#include "common/windows/PlainLabel.h"

namespace oriastra {

QLabel* PlainLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty()) label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace oriastra
