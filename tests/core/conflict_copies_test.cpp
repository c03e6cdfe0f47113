// The copies sync tools leave beside a file, told by their names from the
// file itself, from other files' copies and from names that only look alike.

#include "core/conflict_copies.h"

#include <gtest/gtest.h>

namespace lb {
namespace {

TEST(ConflictCopies, AreFoundByEachSyncToolsNameAndNothingElse) {
    const struct {
        const char* file;
        const char* name;
        bool copy;
    } rows[] = {
        {"accounts.lockbk", "accounts.sync-conflict-20261207-101500-ABCDEFG.lockbk", true},
        {"accounts.lockbk", "accounts (conflicted copy 2026-12-07 101500).lockbk", true},
        {"accounts.lockbk", "accounts (Mary's conflicted copy 2026-12-07).lockbk", true},
        {"accounts.lockbk", "accounts (conflicted copy 2026-12-07).lockbk", true},
        {"accounts.lockbk", "accounts_conflict-20261207-101500.lockbk", true},
        {"my.accounts.lockbk", "my.accounts.sync-conflict-20261207-101500-Q2W3E4R.lockbk", true},
        {"accounts", "accounts (conflicted copy 2026-12-07 101500)", true},
        {"accounts.lockbk", "accounts.lockbk", false},
        {"accounts.lockbk", "accounts.sync-conflict-2026127-101500-ABCDEFG.lockbk", false},
        {"accounts.lockbk", "accounts.sync-conflict-20261207-101500-.lockbk", false},
        {"accounts.lockbk", "accounts.sync-conflict-20261207-101500-abcdefg.lockbk", false},
        {"accounts.lockbk", "bank.sync-conflict-20261207-101500-ABCDEFG.lockbk", false},
        {"accounts.lockbk", "accounts (conflicted copy 2026-12-07 101500).csv", false},
        {"accounts.lockbk", "accounts (conflicted copy 2026-12-07 101500)", false},
        {"accounts.lockbk", "accounts (conflicted copy 2026-12-07 1015).lockbk", false},
        {"accounts.lockbk", "accounts (conflicted copy 2026-12-07.lockbk", false},
        {"accounts.lockbk", "accounts ('s conflicted copy 2026-12-07).lockbk", false},
        {"accounts.lockbk", "accounts (Mary conflicted copy 2026-12-07).lockbk", false},
        {"accounts.lockbk", "accounts (copy 2026-12-07).lockbk", false},
        {"accounts.lockbk", "Accounts (conflicted copy 2026-12-07).lockbk", false},
        {"accounts.lockbk", "accounts_conflict-20261207-10150x.lockbk", false},
        {"accounts.lockbk", "accounts_conflict-20261207-101500.lockbk.bak", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<std::string> found = conflictCopies(row.file, {"other.lockbk", row.name});
        EXPECT_EQ(found,
                  row.copy ? std::vector<std::string>{row.name} : std::vector<std::string>{});
    }
}

} // namespace
} // namespace lb
