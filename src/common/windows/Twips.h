#pragma once

class QWidget;

namespace oriastra {

// Window geometry is stated in twips (1/1440 inch) and converted at the screen's logical DPI.
int TwipsToPixels(int twips);

// Left = (screen width - width) / 2.
int CentredLeft(int screenWidth, int width);
// Top = 0 and Left centred on the screen, within the parent's width; 0 when it does not fit.
void PlaceAtTopCentre(QWidget& window, int screenWidth);

}  // namespace oriastra
