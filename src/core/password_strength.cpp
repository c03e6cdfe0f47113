#include "core/password_strength.h"

#include "core/secret.h"

#include <zxcvbn.h>

namespace lb {
namespace {

// The lower bound of each level above very weak, in bits (log2 of the guesses
// an attacker needs). A password manager's passwords face the offline attack:
// a stolen account file, or a site's leaked hashes tried at billions a second.
// - below 25 (some 30 million guesses): a cracking list's first guesses, in
//   reach of online guessing and of anyone with a copy of the file, however
//   slow its key is to derive;
// - below 40 (a trillion): a leaked fast hash yields it within the hour;
// - below 60: beyond online guessing, not beyond a determined offline attack;
// - below 80: out of reach but for attackers with great resources;
// - 80 and above: out of everyone's reach for the foreseeable future.
// Measured with zxcvbn, that puts "password" (0 bits), "Password1" (4) and
// "Summer2023!" (19) at very weak; "2722Base" (29) and "Bolt9999Bolt" (34) at
// weak; "Tr0ub4dor&3" (47) and a random "kT9#mQ2x" (53) at fair; four common
// words with spaces (70) and 16 random characters (77) at strong; six random
// words (105) and 20 random characters (115) at very strong.
constexpr double kWeakFrom = 25;
constexpr double kFairFrom = 40;
constexpr double kStrongFrom = 60;
constexpr double kVeryStrongFrom = 80;

StrengthLevel strengthLevel(double bits) {
    if (bits < kWeakFrom) {
        return StrengthLevel::VeryWeak;
    }
    if (bits < kFairFrom) {
        return StrengthLevel::Weak;
    }
    if (bits < kStrongFrom) {
        return StrengthLevel::Fair;
    }
    if (bits < kVeryStrongFrom) {
        return StrengthLevel::Strong;
    }
    return StrengthLevel::VeryStrong;
}

} // namespace

PasswordStrength estimateStrength(std::string_view utf8Password) {
    // zxcvbn reads a terminated string; the copy is wiped when let go.
    SecretBytes text(utf8Password.size() + 1);
    utf8Password.copy(text.data(), utf8Password.size());
    text.data()[utf8Password.size()] = '\0';
    const double bits = ZxcvbnMatch(text.data(), nullptr, nullptr);
    return PasswordStrength{bits, strengthLevel(bits)};
}

std::string_view strengthWord(StrengthLevel level) {
    switch (level) {
    case StrengthLevel::VeryWeak:
        return "very weak";
    case StrengthLevel::Weak:
        return "weak";
    case StrengthLevel::Fair:
        return "fair";
    case StrengthLevel::Strong:
        return "strong";
    case StrengthLevel::VeryStrong:
        break;
    }
    return "very strong";
}

} // namespace lb
