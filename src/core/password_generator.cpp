#include "core/password_generator.h"

#include "core/passphrase_words.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <new>
#include <sodium.h>
#include <string_view>
#include <vector>

namespace lb {
namespace {

constexpr std::string_view kLowercase = "abcdefghijklmnopqrstuvwxyz";
constexpr std::string_view kUppercase = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kDigits = "0123456789";
// Every ASCII punctuation mark: any site that takes symbols takes these.
constexpr std::string_view kSymbols = "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~";

// A uniform whole number below upper, from the operating system; libsodium
// rejects the draws that a plain modulo would make more likely.
std::size_t uniformBelow(std::size_t upper) {
    if (sodium_init() < 0) {
        throw std::bad_alloc();
    }
    return randombytes_uniform(static_cast<std::uint32_t>(upper));
}

GeneratorSettings bounded(GeneratorSettings s) {
    s.length = std::clamp(s.length, kMinGeneratedLength, kMaxGeneratedLength);
    s.words = std::clamp(s.words, kMinPassphraseWords, kMaxPassphraseWords);
    if (!s.lowercase && !s.uppercase && !s.digits && !s.symbols) {
        s.lowercase = true;
    }
    return s;
}

// The alphabet of each chosen kind, without the look-alikes when asked.
std::vector<std::string> chosenKinds(const GeneratorSettings& s) {
    std::vector<std::string> kinds;
    const std::string_view lookAlikes = kLookAlikes;
    for (const auto& [chosen, letters] :
         {std::pair{s.lowercase, kLowercase}, std::pair{s.uppercase, kUppercase},
          std::pair{s.digits, kDigits}, std::pair{s.symbols, kSymbols}}) {
        if (!chosen) {
            continue;
        }
        std::string kind;
        for (char c : letters) {
            if (!s.noLookAlikes || lookAlikes.find(c) == std::string_view::npos) {
                kind += c;
            }
        }
        kinds.push_back(kind);
    }
    return kinds;
}

bool holdsEach(const std::string& password, const std::vector<std::string>& kinds) {
    return std::all_of(kinds.begin(), kinds.end(), [&](const std::string& kind) {
        return password.find_first_of(kind) != std::string::npos;
    });
}

// Each character is drawn alike from all the chosen kinds together, and a
// whole password that misses a kind is thrown away and drawn again. What is
// left is uniform over the passwords that hold every kind: no position and no
// character is favoured, as forcing one of each into place would favour them.
std::string characters(const GeneratorSettings& s) {
    const std::vector<std::string> kinds = chosenKinds(s);
    std::string alphabet;
    for (const std::string& kind : kinds) {
        alphabet += kind;
    }
    std::string password(static_cast<std::size_t>(s.length), '\0');
    do {
        for (char& c : password) {
            c = alphabet[uniformBelow(alphabet.size())];
        }
    } while (!holdsEach(password, kinds));
    return password;
}

std::string passphrase(const GeneratorSettings& s) {
    const auto words = passphraseWords();
    const std::size_t count = static_cast<std::size_t>(s.words);
    const std::size_t digitAfter = s.withDigit ? uniformBelow(count) : count;
    std::string phrase;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) {
            phrase += s.separator;
        }
        std::string word(words[uniformBelow(words.size())]);
        if (s.capitalise) {
            word[0] = static_cast<char>(word[0] - 'a' + 'A');
        }
        phrase += word;
        if (i == digitAfter) {
            phrase += kDigits[uniformBelow(kDigits.size())];
        }
    }
    return phrase;
}

} // namespace

std::string generate(const GeneratorSettings& settings) {
    const GeneratorSettings s = bounded(settings);
    return s.passphrase ? passphrase(s) : characters(s);
}

double strengthBits(const GeneratorSettings& settings) {
    const GeneratorSettings s = bounded(settings);
    if (s.passphrase) {
        const double words = s.words;
        const double digit = s.withDigit ? std::log2(kDigits.size() * words) : 0.0;
        return words * std::log2(static_cast<double>(passphraseWords().size())) + digit;
    }
    const std::vector<std::string> kinds = chosenKinds(s);
    double alphabet = 0;
    for (const std::string& kind : kinds) {
        alphabet += static_cast<double>(kind.size());
    }
    // The share of all alphabet^length texts that hold every kind: the sum,
    // over each set of kinds left out, of the share that avoids them, signed
    // by the set's size. It stays between 0 and 1, so no power overflows.
    double share = 0;
    for (unsigned leftOut = 0; leftOut < (1u << kinds.size()); ++leftOut) {
        double avoided = 0;
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            if ((leftOut >> k) & 1u) {
                avoided += static_cast<double>(kinds[k].size());
            }
        }
        const double sign = std::popcount(leftOut) % 2 == 0 ? 1.0 : -1.0;
        share += sign * std::pow(1.0 - avoided / alphabet, s.length);
    }
    return s.length * std::log2(alphabet) + std::log2(share);
}

} // namespace lb
