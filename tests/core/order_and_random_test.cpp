// The list's order (letter case ignored across Windows-1252, equal texts kept
// in their previous order, masked passwords by length) and the random
// password generator with draws the test chooses.

#include "core/account_order.h"
#include "core/random_password.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace lb {
namespace {

std::vector<std::string> sortedNames(const std::vector<Account>& accounts, Field column,
                                     bool masked, bool ascending) {
    std::vector<std::string> out;
    for (std::size_t i : sortedOrder(accounts, column, masked, ascending)) {
        out.push_back(accounts[i].name);
    }
    return out;
}

std::vector<Account> named(std::initializer_list<const char*> names) {
    std::vector<Account> out;
    for (const char* n : names) {
        out.push_back(Account{n, "", "", "", ""});
    }
    return out;
}

TEST(AccountOrder, IgnoresLetterCaseAcrossTheCodePage) {
    EXPECT_EQ(compareText("apple", "APPLE"), 0);
    EXPECT_EQ(compareText("Zz", "zZ"), 0);
    EXPECT_EQ(compareText("\xC9t\xE9", "\xE9T\xC9"), 0); // E acute in both cases
    EXPECT_EQ(compareText("\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF"), 0);
    EXPECT_NE(compareText("\xD7", "\xF7"), 0); // the multiplication sign has no lower case
    EXPECT_LT(compareText("Zebra", "\xE0propos"), 0);
    EXPECT_LT(compareText("ab", "abc"), 0);
    EXPECT_GT(compareText("z", "Y"), 0);
}

TEST(AccountOrder, IsStableBothWaysAndMaskedPasswordsGoByLength) {
    const auto accounts = named({"b", "A", "a", "B"});
    EXPECT_EQ(sortedNames(accounts, Field::AccountName, false, true),
              (std::vector<std::string>{"A", "a", "b", "B"}));
    EXPECT_EQ(sortedNames(accounts, Field::AccountName, false, false),
              (std::vector<std::string>{"b", "B", "A", "a"}));
    const std::vector<Account> passwords = {{"1", "", "zzz", "", ""},
                                            {"2", "", "a", "", ""},
                                            {"3", "", "mm", "", ""},
                                            {"4", "", "bbb", "", ""}};
    EXPECT_EQ(sortedNames(passwords, Field::Password, true, true),
              (std::vector<std::string>{"2", "3", "1", "4"}));
    EXPECT_EQ(sortedNames(passwords, Field::Password, true, false),
              (std::vector<std::string>{"1", "4", "3", "2"}));
    EXPECT_EQ(sortedNames(passwords, Field::Password, false, true),
              (std::vector<std::string>{"2", "4", "3", "1"}));
    EXPECT_EQ(sortedInsertPosition(named({"a", "b", "b", "c"}), Account{"B", "", "", "", ""},
                                   Field::AccountName, false, true),
              3u)
        << "an added account goes after its equals";
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
    const std::set<std::string_view> distinct(kPasswordWords.begin(), kPasswordWords.end());
    EXPECT_EQ(distinct.size(), 100u);
    for (int i = 0; i < 2000; ++i) {
        const std::string n = RandomNumberText(randomSource());
        ASSERT_TRUE(n.size() == 4 && n[0] != '0') << n;
    }
}

} // namespace
} // namespace lb
