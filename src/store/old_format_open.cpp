#include "store/old_format_open.h"

#include "core/account.h"
#include "core/legacy_file.h"
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

// Old files could hold the character of code 255; the current format turns it
// into code 0. Said now, while the file on disk still has it, so the person
// can decide before a save loses it.
void warnAboutCode255(AccountWindow& w) {
    ui::showInformation(
        w.window(), texts::kAppName,
        QStringLiteral("Some accounts in this file contain the character \u00ff (code 255), "
                       "which the current file format cannot keep. If you save the file, each "
                       "\u00ff will be saved as the character of code 0 instead."));
}

} // namespace

bool ReadLegacyFile(AccountWindow& w, const QString& path, std::string_view fileBytes,
                    SecretBytes password, FileStamp stamp) {
    if (!personAcceptsConversion(w)) {
        return false;
    }
    DecodeResult result = decodeLegacyFile(fileBytes, password.view());
    const bool lossy = !unstorableFields(result.accounts).empty();
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
