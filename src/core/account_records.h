#pragma once
// The account records that both binary kinds of account file hold: the
// header and the body of the classic format, every field moved by a key and
// by a running shift per column. The classic file is these records as they
// stand; the sealed file encrypts them with nothing moved (key 0, every shift
// 0), so one codec serves both kinds.
//
// The records stand in this order: header (Signature, ProgramVersion,
// FormatVersion), then the URL column's data and ends, Reserved, the URL
// column's start and step, AccountCount, the password column, the user name
// column, Check, the account name column and the notes column, each of those
// columns as data, ends, start and step.

#include "core/account.h"
#include "core/decode_result.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace lb {

struct ColumnShift {
    int start = 0; // 0 to 255
    int step = 0;  // 0 to 255
};

// What moves the characters: the key, the check character before it is moved,
// and each column's running shift, columns in Field order.
struct RecordShifts {
    std::int64_t key = 0;
    char plainCheck = '&';
    std::array<ColumnShift, kFieldCount> columns{};
};

// The size of the records for these accounts. Throws std::length_error for a
// table the format cannot describe (more than 2^32 - 3 accounts, or a column
// longer than 2^32 - 1 bytes).
std::size_t recordsSize(const std::vector<Account>& accounts);

// Writes the records, accounts in table order, to out, which holds exactly
// recordsSize(accounts) bytes.
void writeRecords(const std::vector<Account>& accounts, const RecordShifts& shifts, char* out);

// Reads records whose fields were moved by key. Nothing in bytes is trusted:
// every length, count and position is checked before use, and records that
// fail a check are Damaged with a numbered error.
DecodeResult decodeRecords(std::string_view bytes, std::int64_t key);

} // namespace lb
