#pragma once
// Steps that saving, opening, export and print share: asking for the master
// password, the busy state with its painted status text, long work done off
// the window's thread, and the "Error" message box.

#include "core/error.h"
#include "core/secret.h"

#include <QCoreApplication>
#include <QString>
#include <chrono>
#include <future>
#include <optional>
#include <string>
#include <string_view>

namespace lb {

class AccountWindow;

// Asks with frmPassword (typed twice with confirm). Nothing when the person
// cancels; otherwise the password in UTF-8, in locked memory.
std::optional<SecretBytes> askMasterPassword(AccountWindow& w, bool confirm);

// Enters the busy state and paints the status text before the long work starts.
void beginBusyWith(AccountWindow& w, const QString& status);

// Runs work on a thread of its own and returns its result; meanwhile the
// window keeps painting, and input waits until the work is done. For the key
// derivation of a sealed file, which takes about half a second. work must
// touch no window.
template <typename Work> auto whilePainting(Work work) {
    auto result = std::async(std::launch::async, std::move(work));
    while (result.wait_for(std::chrono::milliseconds(15)) != std::future_status::ready) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return result.get();
}

// A failure of a file operation: title "Error", critical icon, OK; text in UTF-8.
void showFileError(AccountWindow& w, const std::string& text);
// "There was an unexpected error (number N, description) while <doing>."
void showUnexpectedError(AccountWindow& w, const Error& error, std::string_view doing);

} // namespace lb
