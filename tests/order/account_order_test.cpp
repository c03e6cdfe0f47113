// The list's order: letter case ignored across Windows-1252, equal texts kept
// in their previous order, masked passwords by length.

#include "store/account_order.h"

#include <gtest/gtest.h>
#include <random>

namespace lb {
namespace {

std::vector<Account> named(std::initializer_list<const char*> names) {
    std::vector<Account> out;
    for (const char* n : names) {
        out.push_back(Account{n, "", "", "", ""});
    }
    return out;
}

std::vector<std::string> namesIn(const std::vector<Account>& accounts,
                                 const std::vector<std::size_t>& order) {
    std::vector<std::string> out;
    for (std::size_t i : order) {
        out.push_back(accounts[i].name);
    }
    return out;
}

TEST(AccountOrder, IgnoresLetterCaseIncludingAccentedLetters) {
    EXPECT_EQ(compareText("apple", "APPLE"), 0);
    EXPECT_EQ(compareText("\xC9t\xE9", "\xE9T\xC9"), 0); // E acute in both cases
    EXPECT_EQ(compareText("\x8A", "\x9A"), 0);           // S caron
    EXPECT_LT(compareText("Zebra", "\xE0propos"), 0);    // a grave sorts after the ASCII letters
    EXPECT_LT(compareText("ab", "abc"), 0);
}

TEST(AccountOrder, EqualTextsKeepTheirPreviousOrderBothWays) {
    const auto accounts = named({"b", "A", "a", "B"});
    EXPECT_EQ(namesIn(accounts, sortedOrder(accounts, Field::AccountName, false, true)),
              (std::vector<std::string>{"A", "a", "b", "B"}));
    EXPECT_EQ(namesIn(accounts, sortedOrder(accounts, Field::AccountName, false, false)),
              (std::vector<std::string>{"b", "B", "A", "a"}));
}

TEST(AccountOrder, MaskedPasswordsOrderByLengthAlone) {
    std::vector<Account> accounts = {Account{"1", "", "zzz", "", ""}, Account{"2", "", "a", "", ""},
                                     Account{"3", "", "mm", "", ""}};
    EXPECT_EQ(namesIn(accounts, sortedOrder(accounts, Field::Password, true, true)),
              (std::vector<std::string>{"2", "3", "1"}));
    EXPECT_EQ(namesIn(accounts, sortedOrder(accounts, Field::Password, false, true)),
              (std::vector<std::string>{"2", "3", "1"}));
}

TEST(AccountOrder, SortingAgreesWithTheComparisonOnRandomBytes) {
    std::mt19937 rng(7);
    std::vector<Account> accounts(400);
    for (Account& a : accounts) {
        a.url.resize(rng() % 4);
        for (char& c : a.url) {
            c = static_cast<char>(rng() % 256);
        }
    }
    const auto order = sortedOrder(accounts, Field::Url, false, true);
    for (std::size_t i = 1; i < order.size(); ++i) {
        const int c = compareText(accounts[order[i - 1]].url, accounts[order[i]].url);
        ASSERT_LE(c, 0);
        if (c == 0) {
            ASSERT_LT(order[i - 1], order[i]); // stable
        }
    }
}

TEST(AccountOrder, AnAddedAccountGoesAfterItsEquals) {
    const auto accounts = named({"a", "b", "b", "c"});
    EXPECT_EQ(sortedInsertPosition(accounts, Account{"B", "", "", "", ""}, Field::AccountName,
                                   false, true),
              3u);
    const auto descending = named({"c", "b", "a"});
    EXPECT_EQ(sortedInsertPosition(descending, Account{"bb", "", "", "", ""}, Field::AccountName,
                                   false, false),
              1u);
}

} // namespace
} // namespace lb
