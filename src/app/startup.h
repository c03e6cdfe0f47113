#pragma once
// Start-up: which account file the person sees first, and in which mode.

#include <QString>
#include <QStringList>

namespace lb {

class FrmMain;

// The command line's file. The shell has already taken off its quotes, so
// the arguments joined by single spaces name it exactly as given. Only where
// no file has that name is it read as one command-line string of the kind
// Windows passes: trimmed, and stripped of every double quote wherever it
// stands; that name is taken when its file exists. Otherwise the name as
// given, which start-up then reports missing.
QString commandLinePath(const QStringList& arguments);

// Runs the start-up steps on a main window that was created invisibly: opens
// the file named on the command line, else the default file, else sets up a
// new file; then switches to mini mode when so set. A command-line file that
// does not exist leaves the window empty, the status bar saying so. Returns
// false when the command-line file could not be opened: the process then ends
// without showing the window or writing a setting.
bool startUp(FrmMain& window, const QString& commandLine);

} // namespace lb
