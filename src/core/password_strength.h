#pragma once
// How hard a password is to guess, as zxcvbn estimates it: bits of entropy
// for a UTF-8 password (common words, names, dates, keyboard runs and
// substitutions count for little), and one of five levels with its word.

#include <string_view>

namespace lb {

enum class StrengthLevel { VeryWeak, Weak, Fair, Strong, VeryStrong };
inline constexpr int kStrengthLevels = 5;

struct PasswordStrength {
    double bits = 0;
    StrengthLevel level = StrengthLevel::VeryWeak;
};

PasswordStrength estimateStrength(std::string_view utf8Password);

// "very weak", "weak", "fair", "strong" or "very strong".
std::string_view strengthWord(StrengthLevel level);

} // namespace lb
