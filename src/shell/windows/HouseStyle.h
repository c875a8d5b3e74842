#pragma once
#include <QColor>
#include <QPushButton>

class QFrame;

namespace oriastra {

// The main window's purple and gold look, painted through palettes and by the buttons
// themselves: a style sheet would make every one of its widgets costly to show at start-up.
// The tradition windows and dialogs carry their own style sheets (common/WindowStyle).

inline const QColor kStripText{0xfb, 0xef, 0xd0};
inline const QColor kGold{0xe0, 0xb0, 0x40};

// A strip filled top to bottom from one colour to the other.
void PaintStrip(QWidget& strip, const QColor& top, const QColor& bottom);

// A gold rule two pixels high, between strips.
QFrame* GoldRule(QWidget* parent);

// A button of the main window's strips: purple, gold-edged, its focus plainly marked.
class StripButton : public QPushButton {
    Q_OBJECT
public:
    StripButton(const QString& caption, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace oriastra
