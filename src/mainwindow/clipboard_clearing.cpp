// Copy Password, by its button or by Ctrl+C in the password box, and the
// clipboard clearing itself a while after: a password left on the clipboard
// is a password any program can read.

#include "dialogs/frm_clear.h"
#include "mainwindow/detail_pane.h"
#include "mainwindow/frm_main.h"
#include "platform/clipboard.h"
#include "platform/settings.h"
#include "store/copy_commands.h"

namespace lb {

void FrmMain::copyShownPassword() {
    copyPassword(*this, picView->txtViewPassword->text());
    const double seconds = settings::numberOption(settings::kClearClipboardSeconds, 30, 3600);
    if (seconds > 0 && clipboardHoldsOurs()) {
        clipboardTimer_.setSingleShot(true);
        clipboardTimer_.start(static_cast<int>(seconds * 1000));
    }
}

void FrmMain::clearCopiedPassword() {
    // Another program's text, copied since, is left alone.
    if (clipboardHoldsOurs()) {
        clearClipboardIfOurs();
        SetStatusText(QStringLiteral("The password was cleared from the clipboard."));
    }
    closeClearPrompt();
}

} // namespace lb
