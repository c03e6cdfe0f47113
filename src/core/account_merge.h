#pragma once
// Two versions of one account table, as two computers left it, made into one
// without losing what was typed on either side.
//
// Accounts are paired by identity, or, when a side keeps none (a legacy file),
// by name, user name and URL. A version "descends from" another when it is the
// same version (same time, same texts) or the other's time is in its history.
// Changed on one side only, the changed version is taken; changed on both, the
// later one keeps the account and the other is kept beside it as a copy named
// "<name> (conflict YYYY-MM-DD)". An account one side removed stays removed
// only when the other side holds the removed version or an earlier one. The
// result is the same whichever side is "ours" (but for the copies' new
// identities), and merging it with either side again changes nothing.

#include "core/account.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lb {

struct MergeSide {
    const std::vector<Account>& accounts;
    const std::vector<Removal>& removals;
    // False for a file that keeps no identities and no times (sealed version 1,
    // the legacy format): its accounts' identities mean nothing.
    bool identities;
};

struct MergeResult {
    std::vector<Account> accounts;
    std::vector<Removal> removals;
    std::size_t fromOther = 0;      // accounts the other side added or changed, conflicts included
    std::size_t conflicts = 0;      // conflict copies kept
    std::size_t removedByOther = 0; // accounts the other side's removals took away
};

// Ours' accounts in ours' order, each conflict copy right after the account
// it lost to, then the accounts only theirs holds, in theirs' order. now
// dates the copies of versions without a time and ages the removals.
MergeResult mergeTables(MergeSide ours, MergeSide theirs, Timestamp now);

// What the merge brought, for the status bar: "3 accounts from the file on
// disk, 1 conflict kept as a copy", where other names the other side.
std::string mergeSummary(const MergeResult& result, std::string_view other);

} // namespace lb
