#include "common/windows/LabelMeasures.h"

namespace oriastra {

QString LabelMeasureKey(const QLabel& label) {
    const QMargins margins = label.contentsMargins();
    const QSize least = label.minimumSize();
    const int numbers[] = {label.logicalDpiY(),     static_cast<int>(label.alignment()),
                           label.wordWrap() ? 1 : 0, label.indent(),
                           label.margin(),           label.frameWidth(),
                           margins.left(),           margins.top(),
                           margins.right(),          margins.bottom(),
                           least.width(),            least.height(),
                           label.maximumWidth(),     static_cast<int>(label.layoutDirection())};
    QString key = label.font().key();
    for (int number : numbers) key += QChar(0x1f) + QString::number(number);
    return key + QChar(0x1e) + label.text();
}

}  // namespace oriastra
