#pragma once
// UTF-8, the form every text takes inside the program and in sealed files:
// decoding one character at a time, strictly (no overlong forms, no
// surrogates, nothing beyond U+10FFFF), and encoding one.

#include <cstddef>
#include <string>
#include <string_view>

namespace lb::utf8 {

// What nextCharacter gives for bytes that are not UTF-8.
inline constexpr char32_t kInvalid = 0xFFFFFFFF;

// The character that starts at text[i], moving i past it; kInvalid for a
// malformed, cut-short, overlong or surrogate sequence (i then stays).
char32_t nextCharacter(std::string_view text, std::size_t& i);

bool isValid(std::string_view text);

// The number of Unicode scalar values; malformed bytes count one each.
std::size_t characterCount(std::string_view text);

void append(std::string& out, char32_t c);

} // namespace lb::utf8
