// Both ways of making a password. The generator and its strength estimate:
// what a person asked for is what they get, every character and word is as
// likely as its fellows, and the strengths shown match the passwords. The
// classic random password: its draws, chosen by the test.

#include "core/passphrase_words.h"
#include "core/password_generator.h"
#include "core/random_password.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <set>
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
    const double expected =
        std::accumulate(counts.begin(), counts.end(), 0.0) / static_cast<double>(counts.size());
    double sum = 0;
    for (double c : counts) {
        sum += (c - expected) * (c - expected) / expected;
    }
    return sum;
}

TEST(PasswordGenerator, GivesTheLengthAndKindsAskedForWithoutLookAlikesAndSaysItsStrength) {
    struct Row {
        const char* name;
        GeneratorSettings settings;
        std::size_t length;
        std::string kinds;
        double bits;
    };
    const Row rows[] = {
        // One of each kind, in any of 4! orders: 24 x 26 x 26 x 10 x 32.
        {"all four in the shortest", chars(4, "luds"), 4, "luds", std::log2(5191680.0)},
        // 52^4 less the 2 x 26^4 texts of one case only.
        {"both cases in the shortest", chars(4, "lu"), 4, "lu", std::log2(6397664.0)},
        // Without 0 O o 1 l I |: 24 x 24 x 24 x 8 x 31.
        {"all four without look-alikes", chars(4, "luds", true), 4, "luds", std::log2(3428352.0)},
        {"digits alone, longest, without look-alikes", chars(128, "d", true), 128, "d", 128 * 3.0},
        {"upper case and symbols", chars(37, "us"), 37, "us", 37 * std::log2(58.0)},
        {"too short is the shortest", chars(1, "l"), 4, "l", 4 * std::log2(26.0)},
        {"too long is the longest", chars(500, "u"), 128, "u", 128 * std::log2(26.0)},
        {"no kind is lower case", chars(9, ""), 9, "l", 9 * std::log2(26.0)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(strengthBits(row.settings), row.bits, 1e-6);
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

TEST(PasswordGenerator, MakesPassphrasesOfListWordsAsAskedAndSaysTheirStrength) {
    const auto words = passphraseWords();
    const double listBits = std::log2(static_cast<double>(words.size()));
    EXPECT_GE(listBits, 11.0) << "at least 2048 words";
    const std::tuple<const char*, GeneratorSettings, double> rows[] = {
        {"fewest, hyphens", phrase(3, "-", false, false), 3 * listBits},
        {"most, spaces, capitals", phrase(12, " ", true, false), 12 * listBits},
        // The digit after any of the words.
        {"full stops and a digit", phrase(6, ".", false, true), 6 * listBits + std::log2(60.0)},
        {"run together, capitals and a digit", phrase(5, "", true, true),
         5 * listBits + std::log2(50.0)},
    };
    for (const auto& [name, settings, bits] : rows) {
        SCOPED_TRACE(name);
        EXPECT_NEAR(strengthBits(settings), bits, 1e-6);
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

class FixedSource : public RandomSource {
public:
    explicit FixedSource(float value) : value_(value) {}
    float next() override { return value_; }

private:
    float value_;
};

constexpr float kAlmostOne = 0.99999994f; // the largest float below 1

TEST(RandomBetween, TakesTheFloorAndStaysWithinBothBounds) {
    FixedSource low(0.0f);
    FixedSource high(kAlmostOne);
    FixedSource justBelowHalf(0.49f);
    EXPECT_EQ(RandomBetween(1111, 9999, low), 1111);
    EXPECT_EQ(RandomBetween(1111, 9999, high), 9999);
    EXPECT_EQ(RandomBetween(7, 7, high), 7);
    EXPECT_EQ(RandomBetween(1, 2, justBelowHalf), 1) << "0.98 + 1: the floor, not the nearest";
    std::set<int> seen;
    for (int i = 0; i < 20000; ++i) {
        seen.insert(RandomBetween(1, 21));
    }
    EXPECT_EQ(seen, (std::set<int>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                   12, 13, 14, 15, 16, 17, 18, 19, 20, 21}));
}

TEST(RandomPassword, DrawsThePatternThenEachPartLeftToRight) {
    FixedSource zero(0.0f);
    FixedSource top(kAlmostOne);
    EXPECT_EQ(RandomPassword(zero), "Mice1111");
    EXPECT_EQ(RandomPassword(top), "Bolt9999Bolt");
}

} // namespace
} // namespace lb
