#include "store/merge_flow.h"

#include "core/account_merge.h"
#include "core/clock.h"
#include "core/conflict_copies.h"
#include "core/legacy_file.h"
#include "core/messages.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/texts.h"
#include "store/account_table_model.h"
#include "store/account_window.h"
#include "store/current_file.h"
#include "store/file_steps.h"
#include "store/save_file.h"
#include "store/table_edits.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <filesystem>

namespace lb {
namespace {

namespace fs = std::filesystem;

// Another version of the open file, as read from disk.
struct OtherVersion {
    DecodeResult result;
    FileKind kind = FileKind::Sealed;
    FileStamp stamp;
};

// Reads the version at path: with the open file's password first, which the
// other computer most likely kept, else with one the person types, "Wrong
// password." between tries. Nothing when the person cancels or the file
// cannot be read, which is reported as opening reports it.
std::optional<OtherVersion> readOtherVersion(AccountWindow& w, const std::string& path) {
    const QString name = pathText(path);
    beginBusyWith(w, QStringLiteral("Reading '%1'...").arg(name));
    OtherVersion other;
    std::string bytes;
    if (const auto error = readWholeFile(path, bytes, &other.stamp)) {
        showUnexpectedError(w, *error, "reading the file");
        w.EndBusy();
        return std::nullopt;
    }
    other.kind = fileKindOf(bytes);
    // Runs off the window's thread.
    const auto decode = [&bytes, &other](std::string_view password) {
        other.result = other.kind == FileKind::Legacy ? decodeLegacyFile(bytes, password)
                                                      : decodeAccountFile(bytes, password);
        return verdictOf(other.result.outcome);
    };
    const SecretBytes& known = w.currentFile().CurrentPassword;
    const PasswordVerdict verdict = whilePainting([&] { return decode(known.view()); });
    w.EndBusy();
    if (verdict == PasswordVerdict::Wrong) {
        // The prompt cannot say whose password it asks for; the status bar behind it does.
        w.SetStatusText(QStringLiteral("'%1' has a password of its own.").arg(name));
        const bool typed = w.askCheckedPassword(decode).has_value();
        w.SetStatusText(QString());
        if (!typed) {
            return std::nullopt;
        }
    }
    if (other.result.outcome != DecodeOutcome::Read) {
        showFileError(w, decodeFailureText(other.result));
        return std::nullopt;
    }
    return other;
}

// Ours and the other version made into one. Ours' identities count only where
// its file keeps them; accounts that met by their texts alone may come to
// share an identity, which a sealed file cannot hold.
MergeResult mergeVersion(const AccountTable& ours, bool identities, const DecodeResult& theirs) {
    MergeResult merged =
        mergeTables({ours.accounts, ours.removals, identities},
                    {theirs.accounts, theirs.removals, theirs.identities}, nowMs());
    giveUniqueIdentities(merged.accounts);
    return merged;
}

// After a merge or its undo: the account at index, else the first one shown.
void showMerged(AccountWindow& w, int index) {
    const int row = index < 0 ? -1 : w.table().rowOfIndex(index);
    if (row >= 0) {
        w.showAccount(row);
    } else if (w.table().size() > 0) {
        w.showAccount(0);
    } else {
        w.ClearDetailView();
    }
}

// Puts the merged table in place as one step of the window's history.
void recordMerge(AccountWindow& w, AccountTable merged, const QString& text) {
    AccountTableModel& table = w.table();
    AccountTable before{table.accounts(), table.removals()};
    w.recordStep(new TableStep(table, std::move(before), std::move(merged), text,
                               [&w](int index) { showMerged(w, index); }));
}

void keepHigherCost(CurrentFile& file, const OtherVersion& other) {
    if (other.kind == FileKind::Sealed) {
        raiseCost(file, other.result.cost);
    }
}

void sayMerged(AccountWindow& w, const std::string& summary, bool saved) {
    const QString text =
        saved ? QStringLiteral("Merged and saved: %1.") : QStringLiteral("Merged, not saved: %1.");
    w.SetStatusText(text.arg(texts::qtext(summary)));
}

// Sync tools put their copies beside the file they synchronise, so through
// a symbolic link the folder that counts is the one of the file it names.
fs::path realFile(const QString& path) {
    int ignored = 0;
    return linkTarget(pathBytes(path), ignored).value_or(pathBytes(path));
}

// The conflict copies of file in its folder, in the order of their names.
std::vector<std::string> copiesBeside(const fs::path& file) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator at(folder, error), end; !error && at != end; at.increment(error)) {
        names.push_back(at->path().filename().native());
    }
    std::sort(names.begin(), names.end());
    std::vector<std::string> copies;
    for (const std::string& name : conflictCopies(file.filename().native(), names)) {
        const fs::path copy = file.has_parent_path() ? folder / name : fs::path(name);
        // A folder or a device with such a name is no copy of a file.
        if (fs::is_regular_file(copy, error)) {
            copies.push_back(copy.native());
        }
    }
    return copies;
}

bool personWantsCopiesMerged(AccountWindow& w, const std::vector<std::string>& copies) {
    QStringList names;
    for (const std::string& copy : copies) {
        names << QLatin1Char('\'') + pathText(fs::path(copy).filename().native()) +
                     QLatin1Char('\'');
    }
    const bool one = copies.size() == 1;
    const ui::Message question{
        texts::kAppName,
        QStringLiteral("%1 found %2 of this file that a sync tool made when both computers "
                       "changed it: %3. Merge %4 into the accounts shown here? Each merged copy "
                       "then goes to the trash.")
            .arg(texts::kAppName,
                 one ? QStringLiteral("1 copy") : QStringLiteral("%1 copies").arg(copies.size()),
                 names.join(QStringLiteral(", ")),
                 one ? QStringLiteral("it") : QStringLiteral("them")),
        QMessageBox::Question,
        QMessageBox::Yes | QMessageBox::No,
        QMessageBox::Yes,
        QMessageBox::No,
    };
    const ui::ButtonCaptions captions{{QMessageBox::Yes, QStringLiteral("&Merge")},
                                      {QMessageBox::No, QStringLiteral("&Not Now")}};
    return ui::showMessage(w.window(), question, captions) == QMessageBox::Yes;
}

// From the trash the person can still fetch a copy; one that will not go
// there is said, and stays.
void trashCopies(AccountWindow& w, const std::vector<std::string>& copies) {
    for (const std::string& copy : copies) {
        const QString path = pathText(copy);
        if (!QFile::moveToTrash(path)) {
            ui::showMessage(w.window(),
                            ui::Message{texts::kAppName,
                                        QStringLiteral("The merged copy '%1' could not be moved "
                                                       "to the trash; it stays where it is.")
                                            .arg(path),
                                        QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok,
                                        QMessageBox::Ok});
        }
    }
}

} // namespace

bool MergeFileOnDisk(AccountWindow& w, const QString& path, FileKind kind) {
    std::optional<OtherVersion> other = readOtherVersion(w, pathBytes(path));
    if (!other) {
        return false;
    }
    CurrentFile& file = w.currentFile();
    const AccountTableModel& table = w.table();
    MergeResult merged =
        mergeVersion({table.accounts(), table.removals()}, file.identities, other->result);
    const std::string summary = mergeSummary(merged, "the file on disk");
    recordMerge(w, {std::move(merged.accounts), std::move(merged.removals)},
                QStringLiteral("Merge with the File on Disk"));
    keepHigherCost(file, *other);
    // The table now holds what is on disk, so writing over it asks nothing more.
    file.diskStamp = std::move(other->stamp);
    const bool saved = WriteAccountFile(w, path, kind);
    sayMerged(w, summary, saved);
    return saved;
}

void OfferConflictCopies(AccountWindow& w) {
    CurrentFile& file = w.currentFile();
    const std::vector<std::string> copies = copiesBeside(realFile(file.CurrentFileName));
    if (copies.empty() || !personWantsCopiesMerged(w, copies)) {
        return;
    }
    AccountTable table{w.table().accounts(), w.table().removals()};
    MergeResult total;
    std::vector<std::string> merged;
    for (const std::string& copy : copies) {
        const std::optional<OtherVersion> other = readOtherVersion(w, copy);
        if (!other) {
            continue;
        }
        MergeResult result = mergeVersion(table, file.identities, other->result);
        total.fromOther += result.fromOther;
        total.conflicts += result.conflicts;
        total.removedByOther += result.removedByOther;
        table = {std::move(result.accounts), std::move(result.removals)};
        keepHigherCost(file, *other);
        merged.push_back(copy);
    }
    if (merged.empty()) {
        return;
    }
    recordMerge(w, std::move(table), QStringLiteral("Merge of Conflict Copies"));
    const QString path = file.CurrentFileName;
    const bool saved = WriteAccountFile(w, path, file.kind);
    if (saved) {
        trashCopies(w, merged);
    }
    sayMerged(w,
              mergeSummary(total, merged.size() == 1 ? "the conflict copy" : "the conflict copies"),
              saved);
}

} // namespace lb
