#include "store/save_file.h"

#include "core/classic_file.h"
#include "platform/file_dialog.h"
#include "platform/file_io.h"
#include "platform/paths.h"
#include "platform/texts.h"
#include "store/account_table_model.h"
#include "store/account_window.h"
#include "store/current_file.h"
#include "store/file_steps.h"

#include <QFileInfo>

namespace lb {

bool SaveFile(AccountWindow& w) {
    const QString path = w.currentFile().CurrentFileName;
    return path.isEmpty() ? SaveFileAs(w) : WriteAccountFile(w, path);
}

bool SaveFileAs(AccountWindow& w) {
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogRequest::Kind::Save;
    request.title = QStringLiteral("Save");
    request.filter = texts::kAccountFileFilter;
    // A name typed without an extension gets ours while our file type is chosen.
    request.defaultSuffix = QStringLiteral("lockbk");
    request.defaultSuffixFilter = 1;
    const auto chosen = ui::askForFile(w.window(), request);
    if (!chosen) {
        return false;
    }
    if (!WriteAccountFile(w, chosen->path)) {
        return false;
    }
    // The file now lives at the new path; a later Save must not write to the old one.
    w.currentFile().CurrentFileName = chosen->path;
    return true;
}

bool WriteAccountFile(AccountWindow& w, const QString& path) {
    CurrentFile& file = w.currentFile();
    if (file.CurrentPassword.empty()) {
        auto password = askMasterPassword(w, true);
        if (!password) {
            w.EndBusy();
            return false;
        }
        file.CurrentPassword = std::move(*password);
    }
    beginBusyWith(w, QStringLiteral("Saving '%1'...").arg(path));
    const std::string bytes =
        encodeClassicFile(w.table().accounts(), file.CurrentPassword, randomSource());
    if (const auto error = writeFileSafely(pathBytes(path), bytes)) {
        showUnexpectedError(w, *error, "saving the file");
        w.EndBusy();
        return false;
    }
    file.FileSaved = true;
    w.EndBusy();
    w.SetStatusText(QStringLiteral("Saved (%1 bytes)").arg(QFileInfo(path).size()));
    return true;
}

} // namespace lb
