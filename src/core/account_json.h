#pragma once
// The account table as JSON, the form lockerbook-cli reads and prints:
//   {"accounts":[{"name":…,"user":…,"password":…,"url":…,"notes":…,
//                 "id":…,"created":…,"modified":…},…],
//    "removed":[{"id":…,"removed":…,"version":…},…]}
// in UTF-8, accounts in table order. An identity is 32 lowercase hexadecimal
// digits, a time ISO 8601 in UTC ("2026-12-07T10:15:00.000Z"); an unknown
// time is left out. Read in one pass over the text, whatever its size.

#include "core/account.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lb {

struct AccountTable {
    std::vector<Account> accounts;
    std::vector<Removal> removals;
};

// The whole document on one line, members in the order above, followed by a line feed.
std::string accountsToJson(const std::vector<Account>& accounts,
                           const std::vector<Removal>& removals);

// Exactly that document: the member "accounts", an array of objects whose
// members are among the names above, each a string, and optionally
// "removed". Missing texts are empty; an account without an identity gets a
// new one, and one without times gets now. Anything else (and a text that is
// not UTF-8, an identity given twice) gives nothing and says why in error.
std::optional<AccountTable> accountsFromJson(std::string_view json, Timestamp now,
                                             std::string& error);

// 32 lowercase hexadecimal digits, and back.
std::string idText(const AccountId& id);
std::optional<AccountId> idFromText(std::string_view text);

} // namespace lb
