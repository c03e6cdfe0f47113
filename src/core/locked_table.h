#pragma once
// The open table while the window is locked: sealed in memory exactly as a
// sealed file seals it (Argon2id with a fresh salt, XChaCha20-Poly1305), so
// that nothing of it stands in clear while the person is away, together with
// a little of the window's state that must come back with it (the find box's
// text). Never written to disk; its header carries a version no file has, so
// it can never be taken for one. Pure: no I/O.

#include "core/account.h"
#include "core/decode_result.h"
#include "core/sealed_file.h"

#include <string>
#include <string_view>

namespace lb {

// Throws std::bad_alloc when the memory for the key or the records cannot be had.
std::string lockTable(const std::vector<Account>& accounts, const std::vector<Removal>& removals,
                      std::string_view viewState, std::string_view password, KdfCost cost,
                      KeyDerivation derive = argon2idKey);

struct UnlockedTable {
    DecodeOutcome outcome = DecodeOutcome::Damaged; // Read, WrongPassword or Damaged
    AccountTable table;
    std::string viewState;
};

UnlockedTable unlockTable(std::string_view locked, std::string_view password,
                          KeyDerivation derive = argon2idKey);

} // namespace lb
