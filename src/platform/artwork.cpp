#include "platform/artwork.h"

#include <QFile>

namespace lb::artwork {

QIcon icon(const QString& key) {
    // Every picture is an SVG compiled in under ":/artwork"; the SVG icon engine
    // renders it afresh for each requested size, so there is no bitmap to pick.
    // A key names a picture, never a path, so nothing outside that folder is reachable.
    const QString path = QStringLiteral(":/artwork/%1.svg").arg(key);
    if (key.isEmpty() || key.contains(QLatin1Char('/')) || !QFile::exists(path)) {
        return {};
    }
    return QIcon(path);
}

} // namespace lb::artwork
