#include "cli/commands.h"
#include "cli/load_accounts.h"
#include "cli/standard_input.h"
#include "core/clock.h"
#include "core/import_sources.h"
#include "platform/file_io.h"

#include <cstdio>

namespace lb::cli {
namespace {

// A refusal names every place to fix, yet a file that is wrong throughout
// must not bury the first ones under thousands of lines.
constexpr std::size_t kMostProblemsShown = 20;

// Export files hold every password in clear: the bytes and the accounts made
// from them are wiped before the command ends.
struct WipedOnExit {
    std::string bytes;
    ImportResult result; // each account wipes its own texts
    ~WipedOnExit() { wipeText(bytes); }
};

// A column name from the file as it may be shown at a terminal: control
// characters would move the cursor or worse.
std::string shown(std::string_view text) {
    std::string out;
    for (const char c : text) {
        out += static_cast<unsigned char>(c) < 0x20 || c == '\x7F' ? '?' : c;
    }
    return out;
}

void reportUnknownColumns(const ImportResult& result) {
    if (result.unknownColumns.empty()) {
        return;
    }
    std::string list;
    for (const std::string& column : result.unknownColumns) {
        list += (list.empty() ? "\"" : ", \"") + shown(column) + "\"";
    }
    const std::string_view title = importSourceTitle(result.source);
    std::fprintf(stderr, "Not imported, as %.*s has no such column%s: %s.\n",
                 static_cast<int>(title.size()), title.data(),
                 result.unknownColumns.size() == 1 ? "" : "s", list.c_str());
}

// Under auto, a file that fails as Lockerbook's own export is most likely a
// header line that is not quite one of the known ones.
void reportReadAsOwn(const ImportResult& result, bool told) {
    if (told && result.source == ImportSource::Lockerbook) {
        std::fprintf(stderr, "The file has none of the known header lines, so it was read as "
                             "Lockerbook's own export.\n");
    }
}

void reportProblems(const ImportResult& result, bool told) {
    std::fprintf(stderr, "Nothing was imported; these rows cannot be stored as they stand:\n");
    for (std::size_t i = 0; i < result.problems.size() && i < kMostProblemsShown; ++i) {
        const RowProblem& p = result.problems[i];
        if (p.column.empty()) {
            std::fprintf(stderr, "  line %zu: %s\n", p.line, p.what.c_str());
        } else {
            std::fprintf(stderr, "  line %zu, \"%s\": %s\n", p.line, shown(p.column).c_str(),
                         p.what.c_str());
        }
    }
    if (result.problems.size() > kMostProblemsShown) {
        std::fprintf(stderr, "  and %zu more.\n", result.problems.size() - kMostProblemsShown);
    }
    reportReadAsOwn(result, told);
}

void reportImported(const ImportResult& result, std::size_t imported) {
    std::fprintf(stderr, "%s.\n", importSummary(result, imported).c_str());
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
    if (!result.refusal.empty()) {
        const std::string_view title = importSourceTitle(result.source);
        std::fprintf(stderr, "The file cannot be read as %.*s: %s.\n",
                     static_cast<int>(title.size()), title.data(), result.refusal.c_str());
        reportReadAsOwn(result, !named);
        return ExitStatus::Usage;
    }
    reportUnknownColumns(result);
    if (!result.problems.empty()) {
        reportProblems(result, !named);
        return ExitStatus::Usage;
    }
    SecretBytes password;
    if (const ExitStatus status = readPassword(password); status != ExitStatus::Success) {
        return status;
    }
    AccountTable table{std::move(data.result.accounts), {}};
    const ExitStatus saved = saveAccountFile(arguments[0].c_str(), table, password, options);
    if (saved == ExitStatus::Success) {
        reportImported(result, table.accounts.size());
    }
    return saved;
}

} // namespace lb::cli
