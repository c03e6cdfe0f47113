#pragma once
// The records a sealed file of version 2 encrypts: every account with its
// identity, times, earlier versions and five UTF-8 texts, then the removed
// identities. Byte by byte: docs/sealed-file-format.md. Pure: no I/O.

#include "core/account.h"
#include "core/decode_result.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace lb {

// The size of the records. Throws std::length_error for a table the format
// cannot describe (more than 2^32 - 1 accounts or removals, a text of 4 GiB).
std::size_t sealedRecordsSize(const std::vector<Account>& accounts,
                              const std::vector<Removal>& removals);

// Writes the records to out, which holds exactly sealedRecordsSize bytes.
void writeSealedRecords(const std::vector<Account>& accounts, const std::vector<Removal>& removals,
                        char* out);

// Reads records of version 2. Nothing is trusted: every count and length is
// checked against the bytes that remain, every text must be UTF-8 and every
// identity unique; a failure is Damaged with a numbered error.
DecodeResult decodeSealedRecords(std::string_view records);

} // namespace lb
