#include "store/file_steps.h"

#include "shell/message_box.h"
#include "shell/texts.h"
#include "store/account_window.h"
#include "store/ansi_text.h"
#include "store/password_prompt.h"

#include <QCoreApplication>

namespace lb {

std::optional<std::string> askMasterPassword(AccountWindow& w, bool confirm) {
    const QString typed = ui::GetPassword(w.window(), confirm);
    if (typed.isEmpty()) {
        return std::nullopt;
    }
    // frmPassword refuses characters outside Windows-1252 as they are typed,
    // so a text that still cannot be converted never came from the person.
    return toAnsi(typed);
}

void beginBusyWith(AccountWindow& w, const QString& status) {
    w.BeginBusy();
    w.SetStatusText(status);
    // Once, so the status text is painted; input stays queued until the
    // operation is over, so no command can run in the middle of a save or open.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void showFileError(AccountWindow& w, const QString& text) {
    ui::showCritical(w.window(), texts::kErrorTitle, text);
}

} // namespace lb
