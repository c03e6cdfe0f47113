#include "core/account.h"

#include <algorithm>
#include <sodium.h>
#include <unordered_set>

namespace lb {
namespace {

struct IdHash {
    std::size_t operator()(const AccountId& id) const {
        std::size_t h = 0;
        std::copy_n(id.begin(), sizeof h, reinterpret_cast<unsigned char*>(&h));
        return h;
    }
};

} // namespace

Account::~Account() {
    for (std::string* text : {&name, &user, &password, &url, &notes}) {
        wipeText(*text);
    }
}

std::string& Account::field(Field f) {
    switch (f) {
    case Field::AccountName:
        return name;
    case Field::UserName:
        return user;
    case Field::Password:
        return password;
    case Field::Url:
        return url;
    case Field::Notes:
        break;
    }
    return notes;
}

const std::string& Account::field(Field f) const {
    return const_cast<Account*>(this)->field(f);
}

bool Account::operator==(const Account& other) const {
    return name == other.name && user == other.user && password == other.password &&
           url == other.url && notes == other.notes;
}

void wipeText(std::string& text) {
    // capacity() covers the short-string buffer inside the object as well as
    // a heap buffer, and the bytes past the end that an earlier, longer text left.
    sodium_memzero(text.data(), text.capacity());
}

void changeField(Account& account, Field field, std::string text, Timestamp now) {
    std::string& current = account.field(field);
    if (current == text) {
        return;
    }
    // Assigning would hand the old buffer to the argument, which frees it unwiped.
    wipeText(current);
    current = std::move(text);
    if (!account.changedSinceSave) {
        if (account.modified != 0) {
            account.history.push_back(account.modified);
            if (account.history.size() > kMaxHistory) {
                account.history.erase(account.history.begin());
            }
        }
        account.changedSinceSave = true;
    }
    // Two changes within one millisecond still tell their order.
    account.modified = std::max(now, account.modified + 1);
}

AccountId newAccountId() {
    AccountId id;
    // randombytes_buf reads the kernel's generator whether or not
    // sodium_init succeeded; init is called for its other setup.
    if (sodium_init() < 0) {
        randombytes_stir();
    }
    randombytes_buf(id.data(), id.size());
    return id;
}

Account newAccount(Timestamp now) {
    Account account;
    account.id = newAccountId();
    account.created = now;
    account.modified = now;
    return account;
}

void pruneRemovals(std::vector<Removal>& removals, const std::vector<Account>& accounts,
                   Timestamp now) {
    std::unordered_set<AccountId, IdHash> present;
    present.reserve(accounts.size());
    for (const Account& a : accounts) {
        present.insert(a.id);
    }
    std::erase_if(removals, [&](const Removal& r) {
        return present.count(r.id) != 0 || r.removed < now - kRemovalKeptMs;
    });
}

} // namespace lb
