#include "common/windows/Twips.h"

#include <QAbstractScrollArea>
#include <QGuiApplication>
#include <QScrollBar>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace oriastra {

namespace {
double LogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
}
}  // namespace

int TwipsToPixels(int twips) { return static_cast<int>(std::lround(twips * LogicalDpi() / 1440.0)); }

int CentredLeft(int screenWidth, int width) {
    return static_cast<int>(std::lround((screenWidth - width) / 2.0));
}

void PlaceAtTopCentre(QWidget& window, int screenWidth) {
    // Centred on the screen, but kept inside the area it opens in: on a screen smaller than the
    // window, or a main window narrower than the screen, it would open cut off at an edge.
    const QWidget* area = window.parentWidget();
    int room = area != nullptr ? area->width() - window.width() : screenWidth;
    // A window taller than the area brings the area's scroll bar, which takes its width.
    const auto* scrolling =
        area != nullptr ? qobject_cast<const QAbstractScrollArea*>(area->parentWidget()) : nullptr;
    if (scrolling != nullptr && !scrolling->verticalScrollBar()->isVisible() &&
        window.height() > area->height()) {
        room -= scrolling->verticalScrollBar()->sizeHint().width();
    }
    window.move(std::max(0, std::min(CentredLeft(screenWidth, window.width()), room)), 0);
}

}  // namespace oriastra
