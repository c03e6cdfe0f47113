#pragma once
// The random password generator behind "&Ran. Password": one or two words of a
// fixed list of 100 and one or two four-digit numbers, in one of four patterns.

#include "core/random_source.h"

#include <array>
#include <string>
#include <string_view>

namespace lb {

// Words 1 to 100, in order; index 0 holds word 1.
extern const std::array<std::string_view, 100> kPasswordWords;

std::string RandomWord(RandomSource& source);
std::string RandomNumberText(RandomSource& source);
std::string RandomPassword(RandomSource& source);
std::string RandomPassword();

} // namespace lb
