#include "cli/commands.h"
#include "cli/load_accounts.h"
#include "core/export_writer.h"
#include "platform/file_io.h"

#include <cstdio>

namespace lb::cli {
namespace {

// The format as the Export dialog numbers its file types: one digit, 1 to 5.
std::optional<ExportFormat> parseFormat(const std::string& text) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '9') {
        return std::nullopt;
    }
    return exportFormatFromNumber(text[0] - '0');
}

} // namespace

ExitStatus runExport(const Arguments& arguments, Options /*options*/) {
    const std::optional<ExportFormat> format = parseFormat(arguments[1]);
    if (!format) {
        std::fprintf(stderr, "FORMAT is 1 (HTML), 2 (formatted text), 3 (tab-separated), "
                             "4 (comma-separated) or 5 (CSV).\n");
        return ExitStatus::Usage;
    }
    AccountTable table;
    if (const ExitStatus status = openAccountFile(arguments[0].c_str(), table);
        status != ExitStatus::Success) {
        return status;
    }
    // Every password is in clear in the file: it is for its owner only,
    // whatever an earlier file allowed, and a failed write keeps that file whole.
    std::string bytes = exportBytes(table.accounts, *format);
    const auto failure = writeFileSafely(arguments[2], bytes, Permissions::OwnerOnly);
    wipeText(bytes);
    if (failure) {
        reportUnexpectedError(*failure, "exporting");
        return ExitStatus::Damaged;
    }
    return ExitStatus::Success;
}

} // namespace lb::cli
