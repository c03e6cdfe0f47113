#pragma once
// The account table as JSON, the form lockerbook-cli reads and prints:
//   {"accounts":[{"name":…,"user":…,"password":…,"url":…,"notes":…},…]}
// in UTF-8, accounts in table order. Fields are Windows-1252 bytes inside the
// program and Unicode text in the JSON.

#include "store/account.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lb::cli {

// The whole document on one line, followed by a line feed.
std::string accountsToJson(const std::vector<Account>& accounts);

// A strict reader for exactly that document (any JSON white space between
// tokens, members of an account in any order, missing members empty). Anything
// else, and any text the code page cannot hold, gives nothing and a message in
// error. The document's shape is fixed, so the reader needs no recursion.
std::optional<std::vector<Account>> accountsFromJson(std::string_view json, std::string& error);

} // namespace lb::cli
