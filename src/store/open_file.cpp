#include "store/open_file.h"

#include "core/classic_file.h"
#include "core/legacy_file.h"
#include "platform/file_dialog.h"
#include "platform/file_io.h"
#include "platform/paths.h"
#include "platform/texts.h"
#include "store/account_window.h"
#include "store/file_steps.h"
#include "store/old_format_open.h"
#include "store/opened_file.h"

#include <QFileInfo>

namespace lb {

bool OpenFile(AccountWindow& w) {
    if (!w.QuerySave()) {
        return false;
    }
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogRequest::Kind::Open;
    request.title = QStringLiteral("Open");
    request.filter = texts::kAccountFileFilter;
    const auto chosen = ui::askForFile(w.window(), request);
    if (!chosen) {
        return false;
    }
    return ReadAccountFile(w, chosen->path);
}

bool ReadAccountFile(AccountWindow& w, const QString& path) {
    auto password = askMasterPassword(w, false);
    if (!password) {
        w.EndBusy();
        return false;
    }
    // Busy from here to the end on every path; failures are reported while still busy.
    beginBusyWith(w, QStringLiteral("Reading '%1'...").arg(path));
    std::string bytes;
    if (const auto error = readWholeFile(pathBytes(path), bytes)) {
        showUnexpectedError(w, *error, "reading the file");
        w.EndBusy();
        return false;
    }
    if (isLegacyFile(bytes)) {
        const bool read = ReadLegacyFile(w, path, bytes, *password);
        w.EndBusy();
        return read;
    }
    DecodeResult result = decodeClassicFile(bytes, *password);
    const bool read = takeDecodedFile(w, path, std::move(*password), std::move(result));
    w.EndBusy();
    if (read) {
        w.SetStatusText(QStringLiteral("Read (%1 bytes)").arg(QFileInfo(path).size()));
    }
    return read;
}

} // namespace lb
