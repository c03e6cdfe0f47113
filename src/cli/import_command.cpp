#include "cli/commands.h"
#include "cli/load_accounts.h"
#include "cli/standard_input.h"
#include "core/clock.h"
#include "core/import_report.h"
#include "platform/file_io.h"

#include <cstdio>

namespace lb::cli {
namespace {

// Export files hold every password in clear: the bytes and the accounts made
// from them are wiped before the command ends.
struct WipedOnExit {
    std::string bytes;
    ImportResult result; // each account wipes its own texts
    ~WipedOnExit() { wipeText(bytes); }
};

// Each line of a text on standard error.
void report(const std::string& text) {
    if (!text.empty()) {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

} // namespace

ExitStatus runImport(const Arguments& arguments, Options options) {
    if (const ExitStatus status = refuseExisting(arguments[0].c_str(), options);
        status != ExitStatus::Success) {
        return status;
    }
    const std::string& sourceName = arguments[1];
    const auto named = importSourceNamed(sourceName);
    if (!named && sourceName != "auto") {
        std::fprintf(stderr, "SOURCE is chrome, firefox, bitwarden, keepassxc, lockerbook or "
                             "auto.\n");
        return ExitStatus::Usage;
    }
    // The export is judged before the password is asked for: a file that
    // cannot be imported should not cost the person their typing.
    WipedOnExit data;
    if (const auto failure = readWholeFile(arguments[2], data.bytes)) {
        reportUnexpectedError(*failure, "reading the export file");
        return ExitStatus::Damaged;
    }
    data.result = importExportFile(
        data.bytes, named, options.legacy ? TextLimits::Classic : TextLimits::AnyText, nowMs());
    const ImportResult& result = data.result;
    if (const std::string failure = importFailureText(result, !named); !failure.empty()) {
        report(failure);
        return ExitStatus::Usage;
    }
    report(unknownColumnsText(result));
    SecretBytes password;
    if (const ExitStatus status = readPassword(password); status != ExitStatus::Success) {
        return status;
    }
    AccountTable table{std::move(data.result.accounts), {}};
    const ExitStatus saved = saveAccountFile(arguments[0].c_str(), table, password, options);
    if (saved == ExitStatus::Success) {
        report(importSummary(result, table.accounts.size()) + ".");
    }
    return saved;
}

} // namespace lb::cli
