#include "store/old_format_open.h"

#include "core/account.h"
#include "core/classic_file.h"
#include "platform/message_box.h"
#include "platform/texts.h"
#include "store/account_window.h"
#include "store/opened_file.h"

namespace lb {
namespace {

bool personAcceptsConversion(AccountWindow& w) {
    const ui::Message warning{
        QStringLiteral("Old Format"),
        QStringLiteral("This file is in an old format. When you save the file it will be in the "
                       "current format."),
        QMessageBox::Information,
        QMessageBox::Ok | QMessageBox::Cancel,
        QMessageBox::Ok,
        QMessageBox::Cancel,
    };
    return ui::showMessage(w.window(), warning) == QMessageBox::Ok;
}

// Old files could hold the character of code 255, which the legacy format
// that Save writes cannot keep. Said now, so the person knows where to save.
void warnAboutCode255(AccountWindow& w) {
    ui::showInformation(
        w.window(), texts::kAppName,
        QStringLiteral("Some accounts in this file contain the character \u00ff (code 255), "
                       "which the legacy format cannot keep. To keep it, choose Save As and the "
                       "file type \"Lockerbook Files\", which keeps every character."));
}

} // namespace

bool ReadLegacyFile(AccountWindow& w, const QString& path, DecodeResult result,
                    SecretBytes password, FileStamp stamp) {
    if (!personAcceptsConversion(w)) {
        return false;
    }
    const bool lossy = !classicRefusals(result.accounts).empty();
    if (!takeDecodedFile(w, path, std::move(password), FileKind::Legacy, std::move(stamp),
                         std::move(result))) {
        return false;
    }
    if (lossy) {
        warnAboutCode255(w);
    }
    return true;
}

} // namespace lb
