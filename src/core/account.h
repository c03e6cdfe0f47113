#pragma once
// One account: five text fields, always in this order (list columns, file
// columns, export columns). Each field holds Windows-1252 bytes, one byte per
// character, exactly as the account file stores them.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lb {

enum class Field { AccountName = 0, UserName = 1, Password = 2, Url = 3, Notes = 4 };
inline constexpr int kFieldCount = 5;

// The column headings of the list, the exports and the printout, in field order.
inline constexpr std::array<std::string_view, kFieldCount> kColumnHeadings = {
    "Account Name", "User Name", "Password", "URL", "Notes"};

// The fields' names in the command line's JSON and messages, in field order.
inline constexpr std::array<std::string_view, kFieldCount> kMemberNames = {
    "name", "user", "password", "url", "notes"};

struct Account {
    std::string name;
    std::string user;
    std::string password;
    std::string url;
    std::string notes;

    std::string& field(Field f);
    const std::string& field(Field f) const;

    bool operator==(const Account&) const = default;
};

// Most accounts AddAccount will create; files read from disk may hold more.
inline constexpr int kMaxAccounts = 5000;

// The character of code 255 (ÿ) is the one Windows-1252 character an account
// file cannot keep: the classic cipher turns it into code 0. It is refused
// wherever text comes in, so that nothing changes on the way to the file.
inline constexpr char kUnstorableCode = '\xFF';

struct FieldPosition {
    std::size_t row; // 0-based position in the table
    Field field;
    bool operator==(const FieldPosition&) const = default;
};

// Every field that holds the character of code 255, in table and field order.
std::vector<FieldPosition> unstorableFields(const std::vector<Account>& accounts);

} // namespace lb
