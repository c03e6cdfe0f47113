#pragma once
// Steps that saving, opening, export and print share: asking for the master
// password, the busy state with its painted status text, and the "Error"
// message box.

#include "core/error.h"

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace lb {

class AccountWindow;

// Asks with frmPassword (typed twice with confirm). Nothing when the person
// cancels; otherwise the password's Windows-1252 bytes.
std::optional<std::string> askMasterPassword(AccountWindow& w, bool confirm);

// Enters the busy state and paints the status text before the long work starts.
void beginBusyWith(AccountWindow& w, const QString& status);

// A failure of a file operation: title "Error", critical icon, OK; text in UTF-8.
void showFileError(AccountWindow& w, const std::string& text);
// "There was an unexpected error (number N, description) while <doing>."
void showUnexpectedError(AccountWindow& w, const Error& error, std::string_view doing);

} // namespace lb
