// The password generator and the strength estimate: what a person asked for
// is what they get, every character and word is as likely as its fellows,
// and the strengths shown match the passwords.

#include "core/passphrase_words.h"
#include "core/password_generator.h"
#include "core/password_strength.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lb {
namespace {

// Characters of the kinds named by letter: l, u, d and s.
GeneratorSettings chars(int length, std::string_view kinds, bool noLookAlikes = false) {
    GeneratorSettings g;
    g.length = length;
    g.lowercase = kinds.find('l') != std::string_view::npos;
    g.uppercase = kinds.find('u') != std::string_view::npos;
    g.digits = kinds.find('d') != std::string_view::npos;
    g.symbols = kinds.find('s') != std::string_view::npos;
    g.noLookAlikes = noLookAlikes;
    return g;
}

GeneratorSettings phrase(int words, const char* separator, bool capitalise, bool withDigit) {
    GeneratorSettings g;
    g.passphrase = true;
    g.words = words;
    g.separator = separator;
    g.capitalise = capitalise;
    g.withDigit = withDigit;
    return g;
}

char kindOf(unsigned char c) {
    return std::islower(c) ? 'l' : std::isupper(c) ? 'u' : std::isdigit(c) ? 'd' : 's';
}

// Pearson's statistic of counts against equal shares.
double chiSquare(const std::vector<double>& counts) {
    double total = 0;
    for (double c : counts) {
        total += c;
    }
    const double expected = total / static_cast<double>(counts.size());
    double sum = 0;
    for (double c : counts) {
        sum += (c - expected) * (c - expected) / expected;
    }
    return sum;
}

TEST(PasswordGenerator, GivesTheLengthAndKindsAskedForWithoutLookAlikes) {
    struct Row {
        const char* name;
        GeneratorSettings settings;
        std::size_t length;
        std::string kinds;
    };
    const Row rows[] = {
        {"all four in the shortest", chars(4, "luds"), 4, "luds"},
        {"all four without look-alikes", chars(4, "luds", true), 4, "luds"},
        {"digits alone, longest, without look-alikes", chars(128, "d", true), 128, "d"},
        {"upper case and symbols", chars(37, "us"), 37, "us"},
        {"too short is the shortest", chars(1, "l"), 4, "l"},
        {"too long is the longest", chars(500, "u"), 128, "u"},
        {"no kind is lower case", chars(9, ""), 9, "l"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (int i = 0; i < 300; ++i) {
            const std::string password = generate(row.settings);
            ASSERT_EQ(password.size(), row.length) << password;
            std::string seen;
            for (unsigned char c : password) {
                ASSERT_TRUE(std::isgraph(c) && row.kinds.find(kindOf(c)) != std::string::npos)
                    << password;
                ASSERT_FALSE(row.settings.noLookAlikes &&
                             std::string_view("0Oo1lI|").find(static_cast<char>(c)) !=
                                 std::string_view::npos)
                    << password;
                seen += kindOf(c);
            }
            for (char kind : row.kinds) {
                ASSERT_NE(seen.find(kind), std::string::npos) << "each kind once: " << password;
            }
        }
    }
}

TEST(PasswordGenerator, MakesPassphrasesOfListWordsAsAsked) {
    const std::pair<const char*, GeneratorSettings> rows[] = {
        {"fewest, hyphens", phrase(3, "-", false, false)},
        {"most, spaces, capitals", phrase(12, " ", true, false)},
        {"full stops and a digit", phrase(6, ".", false, true)},
        {"run together, capitals and a digit", phrase(5, "", true, true)},
    };
    const auto words = passphraseWords();
    for (const auto& [name, settings] : rows) {
        SCOPED_TRACE(name);
        for (int i = 0; i < 200; ++i) {
            const std::string text = generate(settings);
            std::vector<std::string> found;
            int digits = 0;
            for (std::size_t at = 0; at < text.size(); ++at) {
                const auto c = static_cast<unsigned char>(text[at]);
                const bool startsWord = settings.separator.empty()
                                            ? std::isupper(c) != 0
                                            : at == 0 || text[at - 1] == settings.separator[0];
                if (std::isdigit(c)) {
                    ++digits;
                    ASSERT_TRUE(std::isalpha(text.at(at - 1))) << "after a word: " << text;
                } else if (startsWord) {
                    ASSERT_EQ(std::isupper(c) != 0, settings.capitalise) << text;
                    found.emplace_back(1, static_cast<char>(std::tolower(c)));
                } else if (std::isalpha(c)) {
                    found.back() += static_cast<char>(c);
                }
            }
            ASSERT_EQ(digits, settings.withDigit ? 1 : 0) << text;
            ASSERT_EQ(found.size(), static_cast<std::size_t>(settings.words)) << text;
            for (const std::string& word : found) {
                ASSERT_TRUE(std::binary_search(words.begin(), words.end(), word)) << text;
            }
        }
    }
}

TEST(PasswordGenerator, WordListIsSeveralThousandPlainWordsSortedOnce) {
    const auto words = passphraseWords();
    EXPECT_GE(words.size(), 2048u);
    EXPECT_EQ(std::adjacent_find(words.begin(), words.end(), std::greater_equal<>()), words.end())
        << "sorted, each once";
    for (std::string_view word : words) {
        ASSERT_TRUE(
            word.size() >= 4 && word.size() <= 8 &&
            std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
            << word;
    }
}

// 200,000 characters and 200,000 words. Within a kind every character is
// equally likely (the rule of one of each kind shifts only the kinds' shares),
// and so is every word; a draw reduced by a plain modulo favours the first
// characters or words by half again and fails by thousands. Each bound is
// far beyond what chance gives (p < 1e-9), so the test never flakes.
TEST(PasswordGenerator, DrawsEveryCharacterAndWordAlike) {
    std::array<double, 256> counts{};
    for (int i = 0; i < 2000; ++i) {
        for (unsigned char c : generate(chars(100, "luds"))) {
            ++counts[c];
        }
    }
    double statistic = 0;
    for (const std::string_view kind : {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                                        "0123456789", "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~"}) {
        std::vector<double> kindCounts;
        for (char c : kind) {
            kindCounts.push_back(counts[static_cast<unsigned char>(c)]);
        }
        statistic += chiSquare(kindCounts);
    }
    EXPECT_LT(statistic, 200.0) << "90 degrees of freedom";

    // The list in 64 stretches of its order, alike in size to a word.
    const auto words = passphraseWords();
    std::vector<double> stretches(64);
    for (int i = 0; i < 20000; ++i) {
        const std::string text = generate(phrase(10, " ", false, false));
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = std::min(text.find(' ', start), text.size());
            const auto at = std::lower_bound(words.begin(), words.end(),
                                             std::string_view(text).substr(start, end - start));
            ++stretches[static_cast<std::size_t>(at - words.begin()) * 64 / words.size()];
            start = end + 1;
        }
    }
    EXPECT_LT(chiSquare(stretches), 150.0) << "63 degrees of freedom";
}

TEST(PasswordGenerator, StrengthIsTheEntropyOfWhatItMakes) {
    const double listBits = std::log2(static_cast<double>(passphraseWords().size()));
    const std::tuple<const char*, GeneratorSettings, double> rows[] = {
        {"lower case, 10", chars(10, "l"), 10 * std::log2(26.0)},
        {"digits, 4", chars(4, "d"), 4 * std::log2(10.0)},
        // 52^4 less the 2 x 26^4 texts of one case only.
        {"both cases, 4", chars(4, "lu"), std::log2(6397664.0)},
        // One of each kind, in any of 4! orders: 24 x 26 x 26 x 10 x 32.
        {"all four, 4", chars(4, "luds"), std::log2(5191680.0)},
        // 24 letters without o and l, 8 digits without 0 and 1: 32^4 - 24^4 - 8^4.
        {"no look-alikes, 4", chars(4, "ld", true), std::log2(712704.0)},
        {"too long is the longest", chars(999, "l"), 128 * std::log2(26.0)},
        {"six words", phrase(6, "-", true, false), 6 * listBits},
        {"four run together, a digit after any", phrase(4, "", false, true),
         4 * listBits + std::log2(40.0)},
    };
    for (const auto& [name, settings, bits] : rows) {
        SCOPED_TRACE(name);
        EXPECT_NEAR(strengthBits(settings), bits, 1e-6);
    }
}

TEST(PasswordStrength, NamesTheLevelOfKnownPasswords) {
    const std::pair<const char*, std::string_view> rows[] = {
        {"", "very weak"},
        {"a", "very weak"},
        {"password", "very weak"},
        {"2722Base", "weak"},
        {"Tr0ub4dor&3", "fair"},
        {"correct horse battery staple", "strong"},
        {"Gz7#kq9!Lm2$Xv4@Rt8p", "very strong"},                 // 20 random, all four kinds
        {"lamp-river-onion-basket-clock-violet", "very strong"}, // six words
        {"Ünïcödé-pässwörd", "very strong"},
    };
    for (const auto& [password, word] : rows) {
        SCOPED_TRACE(password);
        const PasswordStrength strength = estimateStrength(password);
        EXPECT_EQ(strengthWord(strength.level), word) << strength.bits << " bits";
    }
}

} // namespace
} // namespace lb
