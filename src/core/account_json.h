#pragma once
// The account table as JSON, the form lockerbook-cli reads and prints:
//   {"accounts":[{"name":…,"user":…,"password":…,"url":…,"notes":…},…]}
// in UTF-8, accounts in table order. Fields are Windows-1252 bytes inside the
// program and Unicode text in the JSON.

#include "core/account.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lb {

// The whole document on one line, members in field order, followed by a line feed.
std::string accountsToJson(const std::vector<Account>& accounts);

// Exactly that document: one member "accounts", an array of objects whose
// members are among the five names, each a string (missing members are
// empty). Anything else, and any text the code page cannot hold, gives
// nothing and says why in error.
std::optional<std::vector<Account>> accountsFromJson(std::string_view json, std::string& error);

} // namespace lb
