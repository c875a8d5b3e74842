#include "shell/windows/HouseStyle.h"

#include <QFrame>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace oriastra {

void PaintStrip(QWidget& strip, const QColor& top, const QColor& bottom) {
    QLinearGradient fill(0, 0, 0, 1);
    fill.setCoordinateMode(QGradient::ObjectMode);
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    QPalette palette = strip.palette();
    palette.setBrush(QPalette::Window, fill);
    strip.setPalette(palette);
    strip.setAutoFillBackground(true);
}

QFrame* GoldRule(QWidget* parent) {
    auto* rule = new QFrame(parent);
    rule->setFixedHeight(2);
    QPalette palette = rule->palette();
    palette.setColor(QPalette::Window, kGold);
    rule->setPalette(palette);
    rule->setAutoFillBackground(true);
    return rule;
}

StripButton::StripButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    // Repainted as the pointer comes and goes.
    setAttribute(Qt::WA_Hover, true);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

QSize StripButton::sizeHint() const {
    const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
    return {caption.width() + 30, std::max(caption.height() + 12, 30)};
}

void StripButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QColor top(0x6a, 0x2a, 0x86);
    QColor bottom(0x3a, 0x10, 0x50);
    if (isDown()) {
        top = bottom = QColor(0x2a, 0x0c, 0x3a);
    } else if (hasFocus()) {
        top = bottom = QColor(0x8a, 0x44, 0xb0);
    } else if (underMouse()) {
        top = bottom = QColor(0x7e, 0x3a, 0xa0);
    }
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    // The focused button stands out by a light double-width edge.
    const qreal edge = hasFocus() ? 2.0 : 1.0;
    const QRectF box = QRectF(rect()).adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2);
    painter.setPen(QPen(hasFocus() ? QColor(0xff, 0xf4, 0xc0) : kGold, edge));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, 6, 6);
    painter.setPen(isEnabled() ? kStripText : kStripText.darker(150));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

}  // namespace oriastra
