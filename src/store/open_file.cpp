#include "store/open_file.h"

#include "core/account_file.h"
#include "platform/file_dialog.h"
#include "platform/file_io.h"
#include "platform/paths.h"
#include "platform/texts.h"
#include "store/account_window.h"
#include "store/file_steps.h"
#include "store/old_format_open.h"
#include "store/opened_file.h"

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
    FileStamp stamp;
    if (const auto error = readWholeFile(pathBytes(path), bytes, &stamp)) {
        showUnexpectedError(w, *error, "reading the file");
        w.EndBusy();
        return false;
    }
    const FileKind kind = fileKindOf(bytes);
    if (kind == FileKind::Legacy) {
        const bool read = ReadLegacyFile(w, path, bytes, std::move(*password), std::move(stamp));
        w.EndBusy();
        return read;
    }
    DecodeResult result = whilePainting([&] { return decodeAccountFile(bytes, password->view()); });
    const std::uint64_t size = stamp.size;
    const bool read =
        takeDecodedFile(w, path, std::move(*password), kind, std::move(stamp), std::move(result));
    w.EndBusy();
    if (read) {
        w.SetStatusText(QStringLiteral("Read (%1 bytes)").arg(size));
    }
    return read;
}

} // namespace lb
