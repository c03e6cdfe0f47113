#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace lb {

double twipsPerPixel(const QWidget* widget) {
    const QScreen* screen = widget != nullptr ? widget->screen() : QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

double pixelsToTwips(const QWidget* widget, double pixels) {
    return pixels * twipsPerPixel(widget);
}

double twipsToPixels(const QWidget* widget, double twips) {
    return twips / twipsPerPixel(widget);
}

} // namespace lb
