#pragma once
// Asking for a master password (frmPassword). Tests answer it through a hook.

#include "core/secret.h"
#include "store/password_check.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace lb::ui {

// Shows frmPassword owned by the main window, which takes no input meanwhile.
// With confirm the password is typed twice. Returns the password, or the
// empty text when the person cancels (an accepted password is never empty).
QString GetPassword(QWidget* mainWindow, bool confirm);

// Asks for an existing file's password until check finds it right or the
// file unreadable; the prompt stays on screen, showing that it is working,
// while check runs, and "Wrong password." is said between tries. Nothing
// when the person cancels.
std::optional<SecretBytes> GetCheckedPassword(QWidget* mainWindow, const PasswordCheck& check);

// "Wrong password." as every refusal of a file says it: title "Error", critical icon.
void sayWrongPassword(QWidget* owner);

// A test answers every prompt through this hook instead of the dialog.
using PasswordHook = std::function<QString(bool confirm)>;
void setPasswordHook(PasswordHook hook);

} // namespace lb::ui
