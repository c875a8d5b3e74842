#pragma once

class QWidget;

namespace oriastra {

// Window geometry is stated in twips (1/1440 inch) and converted at the screen's logical DPI.
int TwipsToPixels(int twips);

// Left = (screen width - width) / 2, Top = 0, in the parent's coordinates.
int CentredLeft(int screenWidth, int width);
void PlaceAtTopCentre(QWidget& window, int screenWidth);

}  // namespace oriastra
