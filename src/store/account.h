#pragma once
// One account: five text fields, always in this order (list columns, file
// columns, export columns). Each field holds Windows-1252 bytes, one byte per
// character, exactly as the account file stores them.

#include <array>
#include <string>

namespace lb {

enum class Field { AccountName = 0, UserName = 1, Password = 2, Url = 3, Notes = 4 };
inline constexpr int kFieldCount = 5;

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

} // namespace lb
