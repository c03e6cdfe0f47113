#pragma once
// The password generator: random characters of the chosen kinds, or a
// passphrase of random words, every choice drawn from the operating system's
// random source without bias; and the strength of its output as set.

#include <string>

namespace lb {

inline constexpr int kMinGeneratedLength = 4;
inline constexpr int kMaxGeneratedLength = 128;
inline constexpr int kMinPassphraseWords = 3;
inline constexpr int kMaxPassphraseWords = 12;

// The characters that are easily taken for one another in many fonts.
inline constexpr const char* kLookAlikes = "0Oo1lI|";

struct GeneratorSettings {
    // Characters: length of them, at least one of each kind chosen.
    int length = 20;
    bool lowercase = true;
    bool uppercase = true;
    bool digits = true;
    bool symbols = true;
    bool noLookAlikes = false;
    // A passphrase: that many random words between separators, capitalised
    // or not, and with a random digit after one of them or not.
    bool passphrase = false;
    int words = 6;
    std::string separator = "-";
    bool capitalise = false;
    bool withDigit = false;

    bool operator==(const GeneratorSettings&) const = default;
};

// Both functions take a length or word count beyond its bounds as the nearest
// bound, and lower case alone when no kind of character is chosen.

// A fresh password.
std::string generate(const GeneratorSettings& settings);

// The entropy of generate's output in bits. For characters it is exact: every
// password of the length that holds each chosen kind is equally likely, and
// those passwords are counted by inclusion and exclusion. For a passphrase it
// is words x log2(list size), plus the digit's value and place; without a
// separator two word sequences may run together into one text, so there it is
// an upper bound.
double strengthBits(const GeneratorSettings& settings);

} // namespace lb
