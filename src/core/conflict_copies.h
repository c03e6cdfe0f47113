#pragma once
// The copies of a file that sync tools leave beside it when two computers
// changed it before either saw the other's change. Each tool names its copy
// after the file, so the names alone find them:
//
//   Syncthing            accounts.sync-conflict-20261207-101500-ABCDEFG.lockbk
//   Nextcloud, ownCloud  accounts (conflicted copy 2026-12-07 101500).lockbk
//   ownCloud, older      accounts_conflict-20261207-101500.lockbk
//   Dropbox              accounts (Mary's conflicted copy 2026-12-07).lockbk
//                        accounts (conflicted copy 2026-12-07).lockbk
//
// Names are bytes, exactly as the file system has them.

#include <string>
#include <string_view>
#include <vector>

namespace lb {

// The names among names (a folder's) that are conflict copies of the file
// named fileName, in the order given.
std::vector<std::string> conflictCopies(std::string_view fileName,
                                        const std::vector<std::string>& names);

} // namespace lb
