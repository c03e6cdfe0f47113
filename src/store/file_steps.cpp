#include "store/file_steps.h"

#include "core/messages.h"
#include "platform/account_text.h"
#include "platform/message_box.h"
#include "platform/texts.h"
#include "store/account_window.h"

namespace lb {

std::optional<SecretBytes> askMasterPassword(AccountWindow& w, bool confirm) {
    QString typed = w.askPassword(confirm);
    if (typed.isEmpty()) {
        return std::nullopt;
    }
    SecretBytes password = toSecretText(typed);
    wipeText(typed);
    return password;
}

void beginBusyWith(AccountWindow& w, const QString& status) {
    w.BeginBusy();
    w.SetStatusText(status);
    // Once, so the status text is painted; input stays queued until the
    // operation is over, so no command can run in the middle of a save or open.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void showFileError(AccountWindow& w, const std::string& text) {
    ui::showCritical(w.window(), texts::kErrorTitle, texts::qtext(text));
}

void showUnexpectedError(AccountWindow& w, const Error& error, std::string_view doing) {
    showFileError(w, unexpectedErrorText(error, doing));
}

} // namespace lb
