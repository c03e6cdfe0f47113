#pragma once
// Asking for a master password (frmPassword). Tests answer it through a hook.

#include <QString>
#include <functional>

class QWidget;

namespace lb::ui {

// Shows frmPassword owned by the main window, which takes no input meanwhile.
// With confirm the password is typed twice. Returns the password, or the
// empty text when the person cancels (an accepted password is never empty).
QString GetPassword(QWidget* mainWindow, bool confirm);

// A test answers every prompt through this hook instead of the dialog.
using PasswordHook = std::function<QString(bool confirm)>;
void setPasswordHook(PasswordHook hook);

} // namespace lb::ui
