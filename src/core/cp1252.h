#pragma once
// Windows-1252, the code page of legacy account files, the old text format
// and exports of Western text, as a one-to-one map between all 256 byte
// values and UTF-16 code units. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control characters
// of the same value, as Windows does, so no byte is lost.

#include "core/secret.h"
#include "core/utf8.h"

#include <optional>
#include <string>
#include <string_view>

namespace lb::cp1252 {

char16_t toUnicode(unsigned char byte);

// The byte for a UTF-16 code unit, or nothing when the code page cannot hold it.
std::optional<unsigned char> fromUnicode(char16_t unit);

// Whole-text conversions to and from UTF-8.
std::string toUtf8(std::string_view bytes);
// Nothing when the UTF-8 is malformed or holds a character outside the code page.
std::optional<std::string> fromUtf8(std::string_view utf8);
// The same, straight into locked memory, for a master password.
std::optional<SecretBytes> secretFromUtf8(std::string_view utf8);

// What stops fromUtf8, so that a refusal can name it: the first character
// outside the code page, kNotUtf8 for bytes that are not UTF-8, or nothing
// when the whole text converts.
inline constexpr char32_t kNotUtf8 = utf8::kInvalid;
std::optional<char32_t> firstUnconvertible(std::string_view utf8);

} // namespace lb::cp1252
