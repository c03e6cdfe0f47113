#pragma once
// The commands that hand a document or an address to the desktop: the help
// file beside the program and the shown account's URL.

#include <QString>

class QWidget;

namespace lb {

// Opens "Lockerbook.chm" from the program's folder, or says that it is missing.
void openHelpFile(QWidget* mainWindow);

// The "Go" button: the URL box's text exactly as it stands, empty included.
void goToUrl(const QString& url);

// The help file's path in the given folder, with exactly one separator between.
QString helpFilePath(const QString& programFolder);

} // namespace lb
