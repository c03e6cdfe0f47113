#pragma once
// The detail pane's three copy buttons: the field's text goes to the
// clipboard and the status bar says so. A password is never shown there, and
// its copy is followed by the clear-clipboard prompt while the user wants it.

#include <QString>

namespace lb {

class AccountWindow;

// Copy User Name and Copy URL: the text as it stands, empty included.
void copyUserNameOrUrl(AccountWindow& w, const QString& text);
// Copy Password: the real password, reported as asterisks.
void copyPassword(AccountWindow& w, const QString& password);

} // namespace lb
