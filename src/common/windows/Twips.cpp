#include "common/windows/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
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
    window.move(CentredLeft(screenWidth, window.width()), 0);
}

}  // namespace oriastra
