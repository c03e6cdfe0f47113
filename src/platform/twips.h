#pragma once
// Window positions and sizes are stored in twips (1440 to the inch). At 96
// dpi that is 15 twips per logical pixel; the screen's own logical dpi decides.

class QWidget;

namespace lb {

double twipsPerPixel(const QWidget* widget);
double pixelsToTwips(const QWidget* widget, double pixels);
double twipsToPixels(const QWidget* widget, double twips);

} // namespace lb
