#include "core/account_merge.h"

#include "core/iso_time.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace lb {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);
constexpr std::string_view kConflictOpen = " (conflict ";
constexpr std::string_view kDateForm = "0000-00-00";

struct IdHash {
    std::size_t operator()(const AccountId& id) const {
        return std::hash<std::string_view>{}(
            std::string_view(reinterpret_cast<const char*>(id.data()), id.size()));
    }
};

// Texts seen in place: the tables outlive the merge, and copying every
// password into a key would leave more of them in freed memory.
template <std::size_t N> using Texts = std::array<std::string_view, N>;

template <std::size_t N> struct TextsHash {
    std::size_t operator()(const Texts<N>& texts) const {
        std::size_t h = 0;
        for (std::string_view t : texts) {
            h = h * 1'000'003 ^ std::hash<std::string_view>{}(t);
        }
        return h;
    }
};

Texts<3> pairingKey(const Account& a) {
    return {a.name, a.user, a.url};
}

auto texts(const Account& a) {
    return std::tie(a.name, a.user, a.password, a.url, a.notes);
}

// For each of ours' accounts, theirs' account with the same key, or kNone.
// Equal keys pair up in table order, and no account is paired twice.
template <typename Key, typename Hash, typename KeyOf>
std::vector<std::size_t> pairUp(const std::vector<Account>& ours,
                                const std::vector<Account>& theirs, KeyOf keyOf) {
    // first: the earliest of theirs' accounts with the key not yet paired;
    // next: the one after it with the same key.
    std::unordered_map<Key, std::size_t, Hash> first;
    first.reserve(theirs.size());
    std::vector<std::size_t> next(theirs.size(), kNone);
    for (std::size_t i = theirs.size(); i-- > 0;) {
        const auto [at, fresh] = first.try_emplace(keyOf(theirs[i]), i);
        if (!fresh) {
            next[i] = at->second;
            at->second = i;
        }
    }
    std::vector<std::size_t> pair(ours.size(), kNone);
    for (std::size_t i = 0; i < ours.size(); ++i) {
        const auto at = first.find(keyOf(ours[i]));
        if (at != first.end() && at->second != kNone) {
            pair[i] = at->second;
            at->second = next[at->second];
        }
    }
    return pair;
}

bool descendsFrom(const Account& v, const Account& w) {
    return (v.modified == w.modified && v == w) ||
           (w.modified != 0 &&
            std::find(v.history.begin(), v.history.end(), w.modified) != v.history.end());
}

// Both histories, oldest first, without repeats, the newest kMaxHistory.
std::vector<Timestamp> historyUnion(const std::vector<Timestamp>& a,
                                    const std::vector<Timestamp>& b) {
    if (a == b) {
        return a;
    }
    std::vector<Timestamp> all = a;
    all.insert(all.end(), b.begin(), b.end());
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    if (all.size() > kMaxHistory) {
        all.erase(all.begin(), all.end() - kMaxHistory);
    }
    return all;
}

// Whether ours' version a wins a conflict with theirs' b: the later one, a
// known time over an unknown one, between equal times the texts (so that the
// answer does not depend on the side), and with no times at all ours.
bool oursWins(const Account& a, const Account& b) {
    if ((a.modified == 0) != (b.modified == 0)) {
        return b.modified == 0;
    }
    if (a.modified != b.modified) {
        return a.modified > b.modified;
    }
    return a.modified == 0 || texts(a) < texts(b);
}

std::string conflictName(const std::string& name, Timestamp when) {
    std::string copyName;
    copyName.reserve(name.size() + kConflictOpen.size() + kDateForm.size() + 1);
    copyName.append(name).append(kConflictOpen).append(isoDate(when)).push_back(')');
    return copyName;
}

// The name a conflict copy was made from, for names of that form.
std::optional<std::string_view> copiedName(std::string_view name) {
    const std::size_t suffix = kConflictOpen.size() + kDateForm.size() + 1;
    if (name.size() < suffix || name.back() != ')' ||
        name.substr(name.size() - suffix, kConflictOpen.size()) != kConflictOpen) {
        return std::nullopt;
    }
    const std::string_view date = name.substr(name.size() - kDateForm.size() - 1, kDateForm.size());
    for (std::size_t i = 0; i < date.size(); ++i) {
        const bool digit = date[i] >= '0' && date[i] <= '9';
        if (kDateForm[i] == '0' ? !digit : date[i] != kDateForm[i]) {
            return std::nullopt;
        }
    }
    return name.substr(0, name.size() - suffix);
}

using CopyIndex = std::unordered_set<Texts<5>, TextsHash<5>>;

// The versions a side already keeps as conflict copies. A version without a
// time cannot carry the mark that it lost a conflict, so this is how merging
// the same legacy file again finds it already kept.
CopyIndex copiesIn(const std::vector<Account>& accounts) {
    CopyIndex copies;
    for (const Account& a : accounts) {
        if (const auto name = copiedName(a.name)) {
            copies.insert({*name, a.user, a.password, a.url, a.notes});
        }
    }
    return copies;
}

bool keptAsCopy(const CopyIndex& copies, const Account& a) {
    return a.modified == 0 && copies.count({a.name, a.user, a.password, a.url, a.notes}) != 0;
}

bool laterRemoval(const Removal& r, const Removal& than) {
    return std::tie(r.removed, r.version) > std::tie(than.removed, than.version);
}

// The removals of both sides, one for an identity, the latest.
std::vector<Removal> removalUnion(const std::vector<Removal>& ours,
                                  const std::vector<Removal>& theirs) {
    std::vector<Removal> all;
    std::unordered_map<AccountId, std::size_t, IdHash> at;
    for (const std::vector<Removal>* side : {&ours, &theirs}) {
        for (const Removal& r : *side) {
            const auto [found, fresh] = at.try_emplace(r.id, all.size());
            if (fresh) {
                all.push_back(r);
            } else if (laterRemoval(r, all[found->second])) {
                all[found->second] = r;
            }
        }
    }
    return all;
}

using RemovedVersions = std::unordered_map<AccountId, Timestamp, IdHash>;

RemovedVersions removedVersions(const std::vector<Removal>& removals) {
    RemovedVersions versions;
    for (const Removal& r : removalUnion(removals, {})) {
        versions.emplace(r.id, r.version);
    }
    return versions;
}

// A removal takes the version it removed and those before it; a version the
// remover never saw is kept.
bool staysRemoved(const Account& a, const RemovedVersions& removedByOther) {
    const auto removed = removedByOther.find(a.id);
    return removed != removedByOther.end() && a.modified <= removed->second;
}

class TableMerge {
public:
    TableMerge(MergeSide ours, MergeSide theirs, Timestamp now)
        : ours_(ours), theirs_(theirs), now_(now), oursCopies_(copiesIn(ours.accounts)),
          theirsCopies_(copiesIn(theirs.accounts)) {}

    MergeResult run() {
        std::vector<Removal> oursRemovals = ours_.removals;
        std::vector<Removal> theirsRemovals = theirs_.removals;
        // A removal the result forgets must not act now either, or merging
        // the same file again would bring back what this merge took away.
        pruneRemovals(oursRemovals, {}, now_);
        pruneRemovals(theirsRemovals, {}, now_);
        const RemovedVersions removedByOurs = removedVersions(oursRemovals);
        const RemovedVersions removedByTheirs = removedVersions(theirsRemovals);

        const std::vector<std::size_t> pair =
            ours_.identities && theirs_.identities
                ? pairUp<AccountId, IdHash>(ours_.accounts, theirs_.accounts,
                                            [](const Account& a) { return a.id; })
                : pairUp<Texts<3>, TextsHash<3>>(ours_.accounts, theirs_.accounts, pairingKey);
        std::vector<bool> paired(theirs_.accounts.size(), false);
        result_.accounts.reserve(ours_.accounts.size() + theirs_.accounts.size());
        for (std::size_t i = 0; i < ours_.accounts.size(); ++i) {
            const Account& a = ours_.accounts[i];
            if (pair[i] != kNone) {
                paired[pair[i]] = true;
                mergePair(a, theirs_.accounts[pair[i]]);
            } else if (staysRemoved(a, removedByTheirs)) {
                ++result_.removedByOther;
            } else {
                result_.accounts.push_back(a);
            }
        }
        for (std::size_t i = 0; i < theirs_.accounts.size(); ++i) {
            const Account& b = theirs_.accounts[i];
            if (!paired[i] && !staysRemoved(b, removedByOurs)) {
                result_.accounts.push_back(b);
                ++result_.fromOther;
            }
        }
        result_.removals = removalUnion(oursRemovals, theirsRemovals);
        pruneRemovals(result_.removals, result_.accounts, now_);
        return std::move(result_);
    }

private:
    void mergePair(const Account& a, const Account& b) {
        // Where one side keeps no identities, the other side's is the account's.
        const AccountId& id = theirs_.identities && !ours_.identities ? b.id : a.id;
        if (a == b) {
            Account& kept = keep(b.modified > a.modified ? b : a, id);
            kept.history = historyUnion(a.history, b.history);
        } else if (descendsFrom(a, b) || descendsFrom(b, a)) {
            keep(descendsFrom(a, b) ? a : b, id);
        } else if (keptAsCopy(oursCopies_, b) || keptAsCopy(theirsCopies_, a)) {
            keep(keptAsCopy(oursCopies_, b) ? a : b, id);
        } else {
            const bool oursWon = oursWins(a, b);
            const Account& loser = oursWon ? b : a;
            Account& winner = keep(oursWon ? a : b, id);
            // Merging the loser's file again must find it already dealt with.
            if (loser.modified != 0) {
                winner.history = historyUnion(winner.history, {loser.modified});
            }
            result_.accounts.push_back(conflictCopy(loser));
            ++result_.conflicts;
            ++result_.fromOther;
            return;
        }
        if (result_.accounts.back() != a) {
            ++result_.fromOther;
        }
    }

    Account& keep(const Account& version, const AccountId& id) {
        Account& kept = result_.accounts.emplace_back(version);
        kept.id = id;
        return kept;
    }

    Account conflictCopy(const Account& loser) const {
        const Timestamp when = loser.modified != 0 ? loser.modified : now_;
        Account copy = loser;
        std::string name = conflictName(loser.name, when);
        wipeText(copy.name);
        copy.name = std::move(name);
        copy.id = newAccountId();
        copy.created = now_;
        copy.modified = when;
        copy.history.clear();
        return copy;
    }

    MergeSide ours_;
    MergeSide theirs_;
    Timestamp now_;
    CopyIndex oursCopies_;
    CopyIndex theirsCopies_;
    MergeResult result_;
};

std::string counted(std::size_t n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

} // namespace

MergeResult mergeTables(MergeSide ours, MergeSide theirs, Timestamp now) {
    return TableMerge(ours, theirs, now).run();
}

std::string mergeSummary(const MergeResult& result, std::string_view other) {
    const std::string side(other);
    if (result.fromOther == 0) {
        return result.removedByOther == 0 ? "nothing new from " + side
                                          : counted(result.removedByOther, "account", "accounts") +
                                                " removed, as in " + side;
    }
    std::string summary = counted(result.fromOther, "account", "accounts") + " from " + side;
    if (result.conflicts != 0) {
        summary +=
            ", " + counted(result.conflicts, "conflict kept as a copy", "conflicts kept as copies");
    }
    if (result.removedByOther != 0) {
        summary += ", " + counted(result.removedByOther, "account", "accounts") + " removed";
    }
    return summary;
}

} // namespace lb
