#pragma once
// Bringing other versions of the open file into its table: the file on disk,
// when another program changed it after it was read here, and the copies
// that sync tools leave beside a file when two computers changed it. A merge
// keeps what was typed on either side, is one step that Edit > Undo takes
// back, and is then saved to the open file.

#include "core/account_file.h"

#include <QString>

namespace lb {

class AccountWindow;

// Save's answer Merge, once the file at path (the open one) changed on disk:
// reads it with the open file's password, or one the person types, merges it
// into the table and writes the result there as kind. Cancelled or
// unreadable, nothing changes and nothing is written. True when written; a
// failed write leaves the merged table unsaved.
bool MergeFileOnDisk(AccountWindow& w, const QString& path, FileKind kind);

// After a file was opened: offers to merge the sync tools' conflict copies
// beside it. Those merged go to the trash once the merged table is saved.
void OfferConflictCopies(AccountWindow& w);

} // namespace lb
