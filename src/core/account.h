#pragma once
// One account: five text fields, always in this order (list columns, file
// columns, export columns), each UTF-8 text exactly as typed or read. Besides
// its texts an account has an identity that stays with it for its whole life,
// and the times it was created and last changed, so that two versions of one
// file can be merged without losing what was typed on either side.

#include <array>
#include <cstddef>
#include <cstdint>
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

// 16 random bytes, made when the account comes into being.
using AccountId = std::array<unsigned char, 16>;

// Milliseconds since 1970-01-01 00:00 UTC; 0 means not known (files that
// keep no times).
using Timestamp = std::int64_t;

// How many earlier versions an account remembers (see Account::history).
inline constexpr std::size_t kMaxHistory = 16;

struct Account {
    std::string name;
    std::string user;
    std::string password;
    std::string url;
    std::string notes;

    AccountId id{};
    Timestamp created = 0;
    Timestamp modified = 0;
    // The modification times of earlier saved versions, oldest first: a
    // version whose time is here is one this account grew out of, which is
    // how a merge tells a change on one side from changes on both.
    std::vector<Timestamp> history;
    // Changed since the file was last read or saved; never stored. The first
    // change after a save moves the saved version's time into history.
    bool changedSinceSave = false;

    Account() = default;
    Account(const Account&) = default;
    Account(Account&&) noexcept = default;
    Account& operator=(const Account&) = default;
    Account& operator=(Account&&) noexcept = default;
    // Overwrites the texts before their memory goes back to the heap, so that
    // a password does not outlive its account in freed memory.
    ~Account();

    std::string& field(Field f);
    const std::string& field(Field f) const;

    // An account's value is its five texts; its identity and times say which
    // account it is and when it changed, not what it holds.
    bool operator==(const Account& other) const;
};

// Gives the field a new text as a change of the account: the texts it
// replaces are wiped, and the account's modification time and history move on.
void changeField(Account& account, Field field, std::string text, Timestamp now);

// Overwrites every byte a text holds or held, its spare capacity included.
void wipeText(std::string& text);

// A new account's identity, from the operating system's random source.
AccountId newAccountId();

// A fresh account, as Add, an import or a file without identities makes it.
Account newAccount(Timestamp now);

// An account removed from the table: which one, when, and which version of it
// was removed, so that a merge keeps a version the remover never saw.
struct Removal {
    AccountId id{};
    Timestamp removed = 0;
    Timestamp version = 0; // the removed account's modification time
    bool operator==(const Removal&) const = default;
};

// Removals older than this may be forgotten, so the list stays bounded.
inline constexpr Timestamp kRemovalKeptMs = 366LL * 24 * 60 * 60 * 1000;

// Drops removals older than kRemovalKeptMs before now, and those of
// identities the table holds again.
void pruneRemovals(std::vector<Removal>& removals, const std::vector<Account>& accounts,
                   Timestamp now);

// Most accounts AddAccount will create; files read from disk may hold more.
inline constexpr int kMaxAccounts = 5000;

} // namespace lb
