#include "core/table_replacement.h"

#include <algorithm>
#include <map>

namespace lb {

void carryOver(const AccountTable& old, AccountTable& fresh, Timestamp now) {
    std::map<AccountId, const Account*> before;
    for (const Account& a : old.accounts) {
        before.emplace(a.id, &a);
    }
    for (Account& a : fresh.accounts) {
        const auto found = before.find(a.id);
        if (found == before.end()) {
            continue;
        }
        const Account& earlier = *found->second;
        if (a == earlier) {
            a.created = earlier.created;
            a.modified = earlier.modified;
            a.history = earlier.history;
        } else {
            a.history = earlier.history;
            if (earlier.modified != 0) {
                a.history.push_back(earlier.modified);
            }
            if (a.history.size() > kMaxHistory) {
                a.history.erase(a.history.begin(),
                                a.history.end() - static_cast<std::ptrdiff_t>(kMaxHistory));
            }
            // A change the script did not date is dated now, after the version it replaces.
            if (a.modified <= earlier.modified) {
                a.modified = std::max(now, earlier.modified + 1);
            }
        }
        before.erase(found);
    }
    for (const Removal& r : old.removals) {
        fresh.removals.push_back(r);
    }
    for (const auto& [id, account] : before) {
        fresh.removals.push_back({id, now, account->modified});
    }
    // One removal per identity: the latest.
    std::stable_sort(fresh.removals.begin(), fresh.removals.end(),
                     [](const Removal& x, const Removal& y) {
                         return x.id != y.id ? x.id < y.id : x.removed > y.removed;
                     });
    fresh.removals.erase(
        std::unique(fresh.removals.begin(), fresh.removals.end(),
                    [](const Removal& x, const Removal& y) { return x.id == y.id; }),
        fresh.removals.end());
    pruneRemovals(fresh.removals, fresh.accounts, now);
}

} // namespace lb
