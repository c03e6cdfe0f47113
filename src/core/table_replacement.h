#pragma once
// A script that edits a file through its JSON (dump, change, create --force)
// replaces the file's table with a new one. So that the file then tells the
// same story as after the same edits in the window: the accounts the new
// table leaves out count as removed, an account whose texts changed becomes a
// new version of itself, and the file's earlier removals stay. Pure.

#include "core/account.h"

namespace lb {

// Brings into fresh what old knew: versions, times and removals.
void carryOver(const AccountTable& old, AccountTable& fresh, Timestamp now);

} // namespace lb
