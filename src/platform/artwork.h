#pragma once
// The program's own artwork, drawn for it as SVG and compiled into the
// program: the application icon, the toolbar icons, the list's icons and the
// About box's pictures. Icons render crisply at any size and device pixel ratio.

#include <QIcon>
#include <QString>

namespace lb::artwork {

// Keys: "lockerbook" (the application), the toolbar's "new", "open", "save", "print",
// "ontop", "maskpasswords", "add", "remove", the list's "account", "sortup", "sortdown",
// and the About box's "about-banner" (429 x 187) and "about-image" (150 x 150).
// An unknown key gives a null icon.
QIcon icon(const QString& key);

} // namespace lb::artwork
