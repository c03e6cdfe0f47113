#include "output/export_accounts.h"

#include "output/export_writer.h"
#include "shell/file_dialog.h"
#include "shell/message_box.h"
#include "shell/texts.h"
#include "store/account_table_model.h"
#include "store/account_window.h"
#include "store/safe_file.h"

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
    // file, new files readable by their owner only, and a failed write leaves
    // any earlier file as it was.
    const std::optional<Error> failure =
        writeFileSafely(chosen->path, exportBytes(w.table().accounts(), format));
    if (failure) {
        ui::showCritical(w.window(), texts::kErrorTitle,
                         texts::unexpectedError(failure->number,
                                                QString::fromLocal8Bit(failure->description),
                                                QStringLiteral("exporting")));
    }
}

} // namespace lb
