#pragma once
// The commands that hand a document or an address to the desktop: the
// manual and the shown account's URL.

#include <QString>
#include <QStringList>

class QWidget;

namespace lb {

// Opens the manual, Lockerbook.html, in the browser: where the package
// installs it (<prefix>/share/lockerbook beside <prefix>/bin), or beside the
// program as a build leaves it. Says where it looked when it is in neither.
void openHelpFile(QWidget* mainWindow);

// The "Go" button: the URL box's text exactly as it stands, empty included.
void goToUrl(const QString& url);

// Where the manual may be for a program in the given folder, in the order
// they are tried; each with exactly one separator between its parts.
QStringList helpFilePaths(const QString& programFolder);

} // namespace lb
