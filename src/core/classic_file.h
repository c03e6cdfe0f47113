#pragma once
// The classic account-file format: every field moved by a character-shift
// cipher keyed by the master password. It only obfuscates, but older copies
// of the program read nothing else, so files opened in it are saved in it.
// It holds Windows-1252 text only: the codec converts at the file's edge, and
// refuses what the code page cannot hold. Pure: no I/O, nothing shown; the
// save and open flows do both around it.

#include "core/account.h"
#include "core/decode_result.h"
#include "core/random_source.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lb {

// Decodes a classic file; password is the master password in UTF-8 as typed.
// Nothing in fileBytes is trusted: every length, count and position is
// checked before use, and a file that fails a check is Damaged with a
// numbered error. Each account gets a new identity, and no times.
DecodeResult decodeClassicFile(std::string_view fileBytes, std::string_view password);

// The exact bytes of a classic file holding accounts in table order. Draws
// RandomBetween from random in this order: the check character, then per
// column its start and then its step, the columns in the order account name,
// user name, password, URL, notes. Throws std::domain_error when a text or
// the password holds a character the format cannot keep (check first with
// classicRefusals and classicUnkeepable).
std::string encodeClassicFile(const std::vector<Account>& accounts, std::string_view password,
                              RandomSource& random);

// The first character of a UTF-8 text that a classic file cannot keep: one
// outside Windows-1252, or ÿ (code 255), which its cipher turns into code 0.
std::optional<char32_t> classicUnkeepable(std::string_view text);

// A field holding such a character.
struct ClassicRefusal {
    std::size_t row; // 0-based position in the table
    Field field;
    char32_t character;
    bool operator==(const ClassicRefusal&) const = default;
};

// Every field that a classic file cannot keep, in table and field order.
std::vector<ClassicRefusal> classicRefusals(const std::vector<Account>& accounts);

// "U+044F 'я'" style name of a character, for refusals.
std::string characterName(char32_t c);

} // namespace lb
