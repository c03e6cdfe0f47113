#pragma once
// The classic account-file format: every field moved by a character-shift
// cipher keyed by the master password. It only obfuscates, but older copies
// of the program read nothing else, so files opened in it are saved in it.
// Pure: no I/O, nothing shown; the save and open flows do both around it.

#include "core/account.h"
#include "core/decode_result.h"
#include "core/random_source.h"

#include <string>
#include <string_view>
#include <vector>

namespace lb {

// Decodes a classic file. password holds the Windows-1252 bytes as typed.
// Nothing in fileBytes is trusted: every length, count and position is
// checked before use, and a file that fails a check is Damaged with a
// numbered error.
DecodeResult decodeClassicFile(std::string_view fileBytes, std::string_view password);

// The exact bytes of a classic file holding accounts in table order. Draws
// RandomBetween from random in this order: the check character, then per
// column its start and then its step, the columns in the order account name,
// user name, password, URL, notes.
std::string encodeClassicFile(const std::vector<Account>& accounts, std::string_view password,
                              RandomSource& random);

} // namespace lb
