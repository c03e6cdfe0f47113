#pragma once
// What every account-file reader gives back: the accounts, or why not.

#include "core/account.h"
#include "core/error.h"
#include "core/kdf_cost.h"

#include <string>
#include <vector>

namespace lb {

enum class DecodeOutcome { Read, NotAccountFile, NewerVersion, WrongPassword, Damaged };

struct DecodeResult {
    DecodeOutcome outcome = DecodeOutcome::Damaged;
    // Filled only when outcome == Read.
    std::vector<Account> accounts;
    std::vector<Removal> removals;
    // True when the file keeps identities and times (sealed files from
    // version 2 on); otherwise each account was given a new identity on
    // reading, and no times.
    bool identities = false;
    // A sealed file's key derivation cost, to seal with again.
    KdfCost cost;
    Error error; // when outcome == Damaged
    // When outcome == NotAccountFile and the bytes look like something else:
    // a sentence that says what, and where such a file goes instead.
    std::string whatItIs;
};

// A result that is only an outcome (a refusal), or a damaged file's error.
DecodeResult refusedAs(DecodeOutcome outcome);
DecodeResult damagedBy(Error error);

} // namespace lb
