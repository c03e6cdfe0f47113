#pragma once
// The reader of the old text format, which earlier versions wrote and this
// program only reads: a few text lines, a 14-character password verifier and
// fixed 256-character field slots, all enciphered by the average character
// code of the master password. Pure: the warning and the messages around it
// belong to the open flow.

#include "core/decode_result.h"

#include <string>
#include <string_view>

namespace lb {

// True when the file's first text line (up to the first carriage return or
// line feed), trimmed of spaces, is exactly "Lockerbook": the old text
// format. A binary account file never matches: it starts with a length.
bool isLegacyFile(std::string_view fileBytes);

// Decodes an old-format file; password is the master password in UTF-8 as
// typed, the fields come back in UTF-8, each account with a new identity and
// no times. A damaged file's error carries its number only: the old format's
// messages have never had a description.
DecodeResult decodeLegacyFile(std::string_view fileBytes, std::string_view password);

// Every character of text less the password's average character code (halves
// rounded to the even neighbour), plus 255 when that falls below 0. The empty
// password has the average 0.
std::string LegacyDecipher(std::string_view text, std::string_view password);

// The field held in the slot at the front of text: the characters after the
// length character, as many as its code says (fewer when text ends first).
std::string LegacyField(std::string_view text);

} // namespace lb
