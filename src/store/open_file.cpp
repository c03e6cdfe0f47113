#include "store/open_file.h"

#include "core/account_file.h"
#include "core/foreign_file.h"
#include "core/legacy_file.h"
#include "core/messages.h"
#include "platform/file_dialog.h"
#include "platform/file_io.h"
#include "platform/paths.h"
#include "platform/texts.h"
#include "store/account_window.h"
#include "store/file_steps.h"
#include "store/merge_flow.h"
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
    // The bytes first: a file that cannot be read must not cost the person
    // their typing, and a wrong password need not read it again.
    std::string bytes;
    FileStamp stamp;
    if (const auto error = readWholeFile(pathBytes(path), bytes, &stamp)) {
        showUnexpectedError(w, *error, "reading the file");
        return false;
    }
    const FileKind kind = fileKindOf(bytes);
    // Another program's database or an export is refused before a password
    // is asked for: no password can open it, and the refusal says where it goes.
    if (kind == FileKind::Classic && !foreignFileHint(bytes).empty()) {
        DecodeResult foreign = decodeAccountFile(bytes, {});
        if (!foreign.whatItIs.empty()) {
            showFileError(w, decodeFailureText(foreign));
            return false;
        }
    }
    DecodeResult result;
    // Runs off the window's thread while the prompt shows that it works.
    const auto check = [&bytes, &result, kind](std::string_view password) {
        result = kind == FileKind::Legacy ? decodeLegacyFile(bytes, password)
                                          : decodeAccountFile(bytes, password);
        return verdictOf(result.outcome);
    };
    auto password = w.askCheckedPassword(check);
    if (!password) {
        w.EndBusy();
        return false;
    }
    // Busy from here to the end on every path; failures are reported while still busy.
    beginBusyWith(w, QStringLiteral("Reading '%1'...").arg(path));
    const std::uint64_t size = stamp.size;
    const bool read =
        kind == FileKind::Legacy
            ? ReadLegacyFile(w, path, std::move(result), std::move(*password), std::move(stamp))
            : takeDecodedFile(w, path, std::move(*password), kind, std::move(stamp),
                              std::move(result));
    w.EndBusy();
    if (read && kind != FileKind::Legacy) {
        w.SetStatusText(QStringLiteral("Read (%1 bytes)").arg(size));
    }
    if (read) {
        OfferConflictCopies(w);
    }
    return read;
}

} // namespace lb
