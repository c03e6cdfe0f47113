#pragma once
// Accounts from the export files of the programs people move from: the CSV
// of Chromium-based browsers, Firefox, Bitwarden and KeePassXC (UTF-8, a
// header line naming the columns), and Lockerbook's own comma-separated
// export (Windows-1252, or UTF-8 after a byte-order mark; no header; read
// back exactly as it was written). Columns are found by their names. Text is
// kept as given; bytes that are not UTF-8, and for a legacy-format file a
// character it cannot keep, are reported with their line and column, never
// changed or dropped. Each account gets a new identity, and the source's
// times where it has them. Pure.

#include "core/account.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lb {

enum class ImportSource { Chrome, Firefox, Bitwarden, KeePassXC, Lockerbook };

// The source of a command-line name ("chrome", "firefox", "bitwarden",
// "keepassxc", "lockerbook"); nothing for any other name.
std::optional<ImportSource> importSourceNamed(std::string_view name);

// "a Chrome export", "Lockerbook's own export", ... for messages.
std::string_view importSourceTitle(ImportSource source);

// A row that cannot be imported as it stands.
struct RowProblem {
    std::size_t line = 0; // where the row starts in the file, from 1
    std::string column;   // the export's name for the field; empty for the row as a whole
    std::string what;     // "is not valid UTF-8", ...
};

struct ImportResult {
    ImportSource source = ImportSource::Lockerbook; // as given, or as the header line told
    // Why the file as a whole cannot be read as that source; empty when it can.
    std::string refusal;
    std::vector<std::string> unknownColumns; // each once, in the header's order
    std::vector<RowProblem> problems;        // any of them refuses the whole import
    std::vector<Account> accounts;
    std::size_t skippedEmpty = 0;    // rows with neither name, user name nor password
    std::size_t skippedNotLogin = 0; // Bitwarden's cards, identities and secure notes
};

// "Imported 13 accounts from a KeePassXC export; skipped 3 rows: 1 empty, 2
// not a login", without a full stop, for the imported accounts of a result.
std::string importSummary(const ImportResult& result, std::size_t imported);

// Which text the new file can keep: any, or the legacy format's.
enum class TextLimits { AnyText, Classic };

// The accounts of an export file. Without a source it is told apart by the
// header line, and a file with none of the known headers is Lockerbook's own.
// now stamps accounts whose source gives no times.
ImportResult importExportFile(std::string_view bytes, std::optional<ImportSource> source,
                              TextLimits limits, Timestamp now);

} // namespace lb
