#include "store/export_accounts.h"

#include "core/export_writer.h"
#include "platform/file_dialog.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/texts.h"
#include "store/account_table_model.h"
#include "store/account_window.h"
#include "store/file_steps.h"

namespace lb {
namespace {

// The types' order is the format number the writer takes.
const QString kExportFilter = QStringLiteral(
    "HTML (*.html)|*.html|Formatted Text (*.txt)|*.txt|Tab Seperated Text (*.txt)|*.txt|"
    "Comma Seperated Text (*.txt)|*.txt|CSV File (*.csv)|*.csv");

} // namespace

void ExportAccounts(AccountWindow& w) {
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogRequest::Kind::Save;
    request.title = QStringLiteral("Export");
    request.filter = kExportFilter;
    const std::optional<ui::FileDialogResult> chosen = ui::askForFile(w.window(), request);
    if (!chosen) {
        return;
    }
    const ExportFormat format =
        exportFormatFromNumber(chosen->filterIndex).value_or(ExportFormat::Html);
    // The file holds every password in clear: it is written like an account
    // file, so a failed write leaves any earlier file as it was, and it is
    // readable by its owner only, whatever an earlier file allowed.
    std::string bytes = exportBytes(w.table().accounts(), format);
    const auto failure = writeFileSafely(pathBytes(chosen->path), bytes, Permissions::OwnerOnly);
    // Every password stands in these bytes in clear; they must not stay in freed memory.
    wipeText(bytes);
    if (failure) {
        showUnexpectedError(w, *failure, "exporting");
    }
}

} // namespace lb
