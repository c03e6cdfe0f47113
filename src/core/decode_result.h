#pragma once
// What every account-file reader gives back: the accounts, or why not.

#include "core/account.h"
#include "core/error.h"

#include <vector>

namespace lb {

enum class DecodeOutcome { Read, NotAccountFile, NewerVersion, WrongPassword, Damaged };

struct DecodeResult {
    DecodeOutcome outcome = DecodeOutcome::Damaged;
    std::vector<Account> accounts; // filled only when outcome == Read
    Error error;                   // when outcome == Damaged
};

// A result that is only an outcome (a refusal), or a damaged file's error.
DecodeResult refusedAs(DecodeOutcome outcome);
DecodeResult damagedBy(Error error);

} // namespace lb
