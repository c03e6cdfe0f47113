#pragma once
// Start-up: which account file the person sees first, and in which mode.

#include <QString>
#include <QStringList>

namespace lb {

class FrmMain;

// The command line's argument text as one path: the arguments joined by
// spaces, trimmed, and stripped of every double quote wherever it stands.
QString commandLinePath(const QStringList& arguments);

// Runs the start-up steps on a main window that was created invisibly: opens
// the file named on the command line, else the default file, else sets up a
// new file; then switches to mini mode when so set. Returns false when the
// command-line file could not be opened: the process then ends without
// showing the window or writing a setting.
bool startUp(FrmMain& window, const QString& commandLine);

} // namespace lb
