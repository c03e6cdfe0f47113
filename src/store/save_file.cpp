#include "store/save_file.h"

#include "core/account_file.h"
#include "core/classic_file.h"
#include "core/messages.h"
#include "core/program_errors.h"
#include "platform/file_dialog.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/texts.h"
#include "store/account_table_model.h"
#include "store/account_window.h"
#include "store/current_file.h"
#include "store/file_steps.h"
#include "store/import_accounts.h"
#include "store/merge_flow.h"

#include <cerrno>
#include <stdexcept>

namespace lb {
namespace {

// The Save dialog's types, in this order: a sealed file, a classic one, any name.
const QString kSaveFilter = QStringLiteral("Lockerbook Files (*.lockbk)|*.lockbk|"
                                           "Lockerbook Files, legacy format (*.lockbk)|*.lockbk|"
                                           "All Files (*.*)|*.*");
constexpr int kSealedType = 1;
constexpr int kClassicType = 2;

// A file that is sealed, or has never been saved, turns into a classic one
// only when the person says so, knowing what it costs.
bool personAcceptsObfuscation(AccountWindow& w) {
    const ui::Message question{
        texts::kAppName,
        QStringLiteral("The legacy format only obfuscates the accounts: anyone with a copy of "
                       "the file can read every password in it. Save in the legacy format "
                       "anyway?"),
        QMessageBox::Warning,
        QMessageBox::Yes | QMessageBox::No,
        QMessageBox::No,
        QMessageBox::No,
    };
    return ui::showMessage(w.window(), question) == QMessageBox::Yes;
}

// Another program (a sync tool, a copy of this one on another computer) may
// have replaced the file since it was read here. Merge (Yes) keeps the
// changes of both, Replace (Discard: theirs are lost) writes over it, Save
// Elsewhere (No) saves under another name, Cancel saves nothing.
QMessageBox::StandardButton askAboutChangedFile(AccountWindow& w, const QString& path) {
    const ui::Message question{
        texts::kAppName,
        QStringLiteral("The file '%1' was changed by another program (a sync tool, or %2 on "
                       "another computer) after it was read here. Merge puts both versions "
                       "together, so that no change of either is lost; Replace writes the "
                       "accounts shown here over it; Save Elsewhere keeps it and saves these "
                       "under another name.")
            .arg(path, texts::kAppName),
        QMessageBox::Warning,
        QMessageBox::Yes | QMessageBox::Discard | QMessageBox::No | QMessageBox::Cancel,
        QMessageBox::Yes,
        QMessageBox::Cancel,
    };
    const ui::ButtonCaptions captions{{QMessageBox::Yes, QStringLiteral("&Merge")},
                                      {QMessageBox::Discard, QStringLiteral("&Replace")},
                                      {QMessageBox::No, QStringLiteral("Save &Elsewhere")},
                                      {QMessageBox::Cancel, QStringLiteral("Cancel")}};
    return ui::showMessage(w.window(), question, captions);
}

void refuse(AccountWindow& w, const std::string& text) {
    ui::showMessage(w.window(),
                    ui::Message{texts::kAppName, texts::qtext(text), QMessageBox::Warning,
                                QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok});
}

// The legacy format holds Western text only: a table it cannot keep is
// refused whole, naming what to change, before anything is asked or written.
bool classicKeepsTable(AccountWindow& w) {
    const std::vector<Account>& accounts = w.table().accounts();
    const auto refusals = classicRefusals(accounts);
    if (!refusals.empty()) {
        refuse(w, classicRefusalText(refusals, accounts));
    }
    return refusals.empty();
}

bool classicKeepsPassword(AccountWindow& w, const SecretBytes& password) {
    const auto c = classicUnkeepable(password.view());
    if (c) {
        refuse(w, classicPasswordRefusalText(*c));
    }
    return !c;
}

} // namespace

bool SaveFile(AccountWindow& w) {
    const CurrentFile& file = w.currentFile();
    return file.CurrentFileName.isEmpty() ? SaveFileAs(w)
                                          : WriteAccountFile(w, file.CurrentFileName, file.kind);
}

bool SaveFileAs(AccountWindow& w) {
    const FileKind current = w.currentFile().kind;
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogRequest::Kind::Save;
    request.title = QStringLiteral("Save");
    request.filter = kSaveFilter;
    request.selectedFilter = current == FileKind::Classic ? kClassicType : kSealedType;
    // A name typed without an extension gets ours while one of our file types is chosen.
    request.defaultSuffix = QStringLiteral("lockbk");
    request.suffixFilters = kClassicType;
    const auto chosen = ui::askForFile(w.window(), request);
    if (!chosen) {
        return false;
    }
    FileKind kind = current;
    if (chosen->filterIndex == kSealedType) {
        kind = FileKind::Sealed;
    } else if (chosen->filterIndex == kClassicType) {
        kind = FileKind::Classic;
    }
    if (kind == FileKind::Classic && current != FileKind::Classic && !personAcceptsObfuscation(w)) {
        return false;
    }
    if (!WriteAccountFile(w, chosen->path, kind)) {
        return false;
    }
    // The file now lives at the new path; a later Save must not write to the old one.
    w.currentFile().CurrentFileName = chosen->path;
    return true;
}

bool WriteAccountFile(AccountWindow& w, const QString& path, FileKind kind) {
    CurrentFile& file = w.currentFile();
    if (path == file.CurrentFileName && file.diskStamp) {
        const auto now = currentStamp(pathBytes(path));
        if (now && *now != *file.diskStamp) {
            switch (askAboutChangedFile(w, path)) {
            case QMessageBox::Yes:
                return MergeFileOnDisk(w, path, kind);
            case QMessageBox::Discard:
                break;
            case QMessageBox::No:
                return SaveFileAs(w);
            default:
                return false;
            }
        }
    }
    if (kind == FileKind::Classic && !classicKeepsTable(w)) {
        return false;
    }
    if (file.CurrentPassword.empty()) {
        auto password = askMasterPassword(w, true);
        if (!password) {
            w.EndBusy();
            return false;
        }
        file.CurrentPassword = std::move(*password);
    }
    if (kind == FileKind::Classic && !classicKeepsPassword(w, file.CurrentPassword)) {
        return false;
    }
    beginBusyWith(w, QStringLiteral("Saving '%1'...").arg(path));
    const AccountTableModel& table = w.table();
    const KdfCost cost = sealCost(file);
    std::string bytes;
    FileStamp stamp;
    std::optional<Error> error;
    try {
        bytes = whilePainting([&] {
            return encodeAccountFile(kind, table.accounts(), table.removals(),
                                     file.CurrentPassword.view(), randomSource(), cost);
        });
        error = writeFileSafely(pathBytes(path), bytes, Permissions::Kept, &stamp);
    } catch (const std::bad_alloc&) {
        error = systemError(ENOMEM);
    } catch (const std::length_error&) {
        error = programError(ProgramError::TableTooLarge);
    } catch (const std::invalid_argument&) {
        error = programError(ProgramError::IdentityTwice);
    }
    if (error) {
        showUnexpectedError(w, *error, "saving the file");
        w.EndBusy();
        return false;
    }
    const std::uint64_t size = stamp.size;
    file.kind = kind;
    if (kind == FileKind::Sealed) {
        file.cost = cost;
        file.identities = true;
    }
    file.diskStamp = std::move(stamp);
    file.FileSaved = true;
    w.table().markSaved();
    w.tableSaved();
    w.EndBusy();
    w.SetStatusText(QStringLiteral("Saved (%1 bytes)").arg(size));
    remindToDeleteExport(w, path);
    return true;
}

} // namespace lb
