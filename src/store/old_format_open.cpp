#include "store/old_format_open.h"

#include "shell/message_box.h"
#include "shell/texts.h"
#include "store/account_file.h"
#include "store/account_window.h"
#include "store/file_steps.h"
#include "store/legacy_file.h"
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
                    const std::string& password) {
    if (!personAcceptsConversion(w)) {
        return false;
    }
    LegacyResult result = readLegacyFile(fileBytes, password);
    switch (result.outcome) {
    case LegacyOutcome::NotAccountFile:
        showFileError(w, kNotAccountFileText);
        return false;
    case LegacyOutcome::WrongPassword:
        showFileError(w, kWrongPasswordText);
        return false;
    case LegacyOutcome::Damaged:
        // The old reader never gave a description, only the number.
        showFileError(w, QStringLiteral("There was an unexpected error (number %1) while reading "
                                        "the file.")
                             .arg(result.errorNumber));
        return false;
    case LegacyOutcome::Read:
        break;
    }
    const bool lossy = holdsCode255(result.accounts);
    installOpenedFile(w, path, password, std::move(result.accounts));
    if (lossy) {
        warnAboutCode255(w);
    }
    return true;
}

} // namespace lb
