#include "store/import_accounts.h"

#include "core/account.h"
#include "core/clock.h"
#include "core/import_report.h"
#include "platform/file_dialog.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/texts.h"
#include "platform/trash.h"
#include "store/account_table_model.h"
#include "store/account_window.h"
#include "store/current_file.h"
#include "store/file_steps.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace lb {
namespace {

// The sources of lockerbook-cli import, between two types that tell the
// source by the header line, as its "auto" does.
const QString kImportFilter =
    QStringLiteral("Any of these, told by the header line (*.csv)|*.csv|"
                   "Chrome, Chromium, Edge or Brave (*.csv)|*.csv|"
                   "Firefox (*.csv)|*.csv|"
                   "Bitwarden (*.csv)|*.csv|"
                   "KeePassXC (*.csv)|*.csv|"
                   "Lockerbook's own comma-separated export (*.csv *.txt)|*.csv;*.txt|"
                   "All Files (*.*)|*.*");

// The source of the chosen type (1-based); nothing for the two that tell it.
std::optional<ImportSource> sourceOfType(int type) {
    constexpr std::array kNamed = {ImportSource::Chrome, ImportSource::Firefox,
                                   ImportSource::Bitwarden, ImportSource::KeePassXC,
                                   ImportSource::Lockerbook};
    const auto at = static_cast<std::size_t>(type - 2);
    return type >= 2 && at < kNamed.size() ? std::optional(kNamed[at]) : std::nullopt;
}

// Export files hold every password in clear: the bytes are wiped when the
// import is over, whichever way it ends, and the accounts not taken into the
// table wipe their own texts.
struct ExportBytes {
    std::string bytes;
    ~ExportBytes() { wipeText(bytes); }
};

void warn(AccountWindow& w, const QString& text) {
    ui::showMessage(w.window(), ui::Message{texts::kAppName, text, QMessageBox::Warning,
                                            QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok});
}

// The imported accounts as a new list, as after New: no name, no password,
// sealed when saved, and unsaved even when every later change is undone.
void takeImported(AccountWindow& w, std::vector<Account> accounts, const QString& exportPath) {
    w.ClearDetailView();
    w.table().replaceAll(std::move(accounts));
    w.tableReplaced();
    w.markChangedOutsideHistory();
    CurrentFile& file = w.currentFile();
    file.CurrentFileName.clear();
    file.CurrentPassword.clear();
    file.kind = FileKind::Sealed;
    file.cost.reset();
    file.diskStamp.reset();
    file.importedFrom = exportPath;
    w.showAccount(0);
    const int count = w.table().totalCount();
    w.setTitleNote(count == 1 ? QStringLiteral("1 account imported, not yet saved")
                              : QStringLiteral("%1 accounts imported, not yet saved").arg(count));
}

} // namespace

bool ImportAccounts(AccountWindow& w) {
    if (!w.QuerySave()) {
        return false;
    }
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogRequest::Kind::Open;
    request.title = QStringLiteral("Import");
    request.filter = kImportFilter;
    const auto chosen = ui::askForFile(w.window(), request);
    if (!chosen) {
        return false;
    }
    ExportBytes data;
    if (const auto error = readWholeFile(pathBytes(chosen->path), data.bytes)) {
        showUnexpectedError(w, *error, "reading the export file");
        return false;
    }
    const std::optional<ImportSource> source = sourceOfType(chosen->filterIndex);
    beginBusyWith(w, QStringLiteral("Importing '%1'...").arg(chosen->path));
    // A new list may hold any text: it is sealed when saved.
    ImportResult result = whilePainting(
        [&] { return importExportFile(data.bytes, source, TextLimits::AnyText, nowMs()); });
    if (const std::string failure = importFailureText(result, !source); !failure.empty()) {
        warn(w, texts::qtext(failure));
        w.EndBusy();
        return false;
    }
    const std::size_t imported = result.accounts.size();
    std::string status = importSummary(result, imported) + ".";
    if (const std::string unknown = unknownColumnsText(result); !unknown.empty()) {
        status += " " + unknown;
    }
    // An export without a single account is no reason to drop the list.
    if (imported > 0) {
        takeImported(w, std::move(result.accounts), chosen->path);
    }
    w.EndBusy();
    w.SetStatusText(texts::qtext(status));
    return imported > 0;
}

void remindToDeleteExport(AccountWindow& w, const QString& path) {
    CurrentFile& file = w.currentFile();
    if (file.importedFrom.isEmpty()) {
        return;
    }
    const QString exportPath = file.importedFrom;
    file.importedFrom.clear();
    w.setTitleNote({});
    const ui::Message reminder{
        texts::kAppName,
        QStringLiteral("The accounts imported from '%1' are now saved in '%2'. The export file "
                       "still holds every password in clear: delete it, and empty the trash.")
            .arg(exportPath, path),
        QMessageBox::Information,
        QMessageBox::Yes | QMessageBox::No,
        QMessageBox::Yes,
        QMessageBox::No,
    };
    const ui::ButtonCaptions captions{{QMessageBox::Yes, QStringLiteral("Move to &Trash")},
                                      {QMessageBox::No, QStringLiteral("&Keep")}};
    if (ui::showMessage(w.window(), reminder, captions) != QMessageBox::Yes) {
        return;
    }
    if (const auto why = moveToTrash(exportPath)) {
        warn(w, QStringLiteral("The export file '%1' could not be moved to the trash (%2). "
                               "Delete it yourself, and empty the trash.")
                    .arg(exportPath, *why));
    }
}

} // namespace lb
