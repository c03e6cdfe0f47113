#include "store/opened_file.h"

#include "core/messages.h"
#include "store/account_table_model.h"
#include "store/account_window.h"
#include "store/current_file.h"
#include "store/file_steps.h"

namespace lb {

bool takeDecodedFile(AccountWindow& w, const QString& path, SecretBytes password, FileKind kind,
                     FileStamp stamp, DecodeResult result) {
    if (result.outcome != DecodeOutcome::Read) {
        showFileError(w, decodeFailureText(result));
        return false;
    }
    w.ClearDetailView();
    w.table().replaceAll(std::move(result.accounts), std::move(result.removals));
    if (w.table().size() > 0) {
        w.showAccount(0);
    }
    CurrentFile& file = w.currentFile();
    file.CurrentPassword = std::move(password);
    file.CurrentFileName = path;
    file.kind = kind == FileKind::Sealed ? FileKind::Sealed : FileKind::Classic;
    file.cost = kind == FileKind::Sealed ? std::optional<KdfCost>(result.cost) : std::nullopt;
    file.identities = result.identities;
    file.diskStamp = std::move(stamp);
    file.FileSaved = true;
    w.tableReplaced();
    return true;
}

} // namespace lb
