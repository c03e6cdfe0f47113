#pragma once
// The current account-file format: the exact bytes of a file for a table of
// accounts and a master password, and the accounts back from those bytes.
// Pure: no I/O, nothing shown; the save and open flows do both around it.

#include "store/account.h"
#include "store/error.h"
#include "tools/random_source.h"

#include <string>
#include <string_view>
#include <vector>

namespace lb {

enum class ReadOutcome { Read, NotAccountFile, NewerVersion, WrongPassword, Damaged };

struct ReadResult {
    ReadOutcome outcome = ReadOutcome::Damaged;
    std::vector<Account> accounts; // filled only when outcome == Read
    Error error;                   // number and description when outcome == Damaged
};

// True when the file's first text line (up to the first carriage return or
// line feed), trimmed of spaces, is exactly "Lockerbook": the old text format,
// for readLegacyFile.
bool isOldFormat(std::string_view fileBytes);

// Reads a current-format file (call isOldFormat first). password holds the
// Windows-1252 bytes as typed. Nothing in fileBytes is trusted: every length,
// count and position is checked before use, and a file that fails a check is
// Damaged with a numbered error.
ReadResult readAccountFile(std::string_view fileBytes, std::string_view password);

// The exact bytes of a current-format file holding accounts in table order.
// Draws RandomBetween from random in this order: the check character, then
// per column its start and then its step, the columns in the order account
// name, user name, password, URL, notes.
std::string writeAccountFile(const std::vector<Account>& accounts, std::string_view password,
                             RandomSource& random);

// True when a field holds a character of code 255, which the cipher cannot
// keep: a save and an open turn it into code 0.
bool holdsCode255(const std::vector<Account>& accounts);

} // namespace lb
