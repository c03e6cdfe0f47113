#pragma once
// The reader of the old text format, which earlier versions wrote and this
// program only reads: a few text lines, a 14-character password verifier and
// fixed 256-character field slots, all enciphered by the average character
// code of the master password. Pure: the warning and the messages around it
// belong to the open flow.

#include "store/account.h"

#include <string>
#include <string_view>
#include <vector>

namespace lb {

enum class LegacyOutcome { Read, NotAccountFile, WrongPassword, Damaged };

struct LegacyResult {
    LegacyOutcome outcome = LegacyOutcome::Damaged;
    std::vector<Account> accounts; // filled only when outcome == Read
    int errorNumber = 0;           // a program error number when outcome == Damaged
};

// Reads an old-format file; password holds the Windows-1252 bytes as typed.
LegacyResult readLegacyFile(std::string_view fileBytes, std::string_view password);

// Every character of text less the password's average character code (halves
// rounded to the even neighbour), plus 255 when that falls below 0. The empty
// password has the average 0.
std::string LegacyDecipher(std::string_view text, std::string_view password);

// The field held in the slot at the front of text: the characters after the
// length character, as many as its code says (fewer when text ends first).
std::string LegacyField(std::string_view text);

} // namespace lb
