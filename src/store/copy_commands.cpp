#include "store/copy_commands.h"

#include "platform/account_text.h"
#include "platform/clipboard.h"
#include "platform/settings.h"
#include "store/account_window.h"

namespace lb {
namespace {

QString copiedText(const QString& shown) {
    return QLatin1Char('\'') + shown + QStringLiteral("' copied to the Windows clipboard.");
}

} // namespace

// When the clipboard cannot be written the status bar keeps its old text:
// claiming a copy that did not happen would be worse than saying nothing.

void copyUserNameOrUrl(AccountWindow& w, const QString& text) {
    if (!putTextOnClipboard(text, ClipboardText::Plain)) {
        return;
    }
    w.SetStatusText(copiedText(text));
}

void copyPassword(AccountWindow& w, const QString& password) {
    if (!putTextOnClipboard(password, ClipboardText::Secret)) {
        return;
    }
    // One asterisk per character as a person sees it, masked view or not.
    w.SetStatusText(copiedText(MaskText(password)));
    if (settings::optionOn(settings::kCopyPasswordWarning, true)) {
        w.showClearPrompt();
    }
}

} // namespace lb
