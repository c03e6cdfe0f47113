// Two versions of one table made into one: what each kind of change on either
// side leaves, and the laws every merge keeps (with itself, either side as
// ours, again and again).

#include "core/account_merge.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>

namespace lb {
namespace {

constexpr Timestamp kDay = 86'400'000;
constexpr Timestamp kDay0 = 20'454 * kDay; // 2026-01-01
constexpr Timestamp kNow = kDay0 + 10 * kDay;

// Account "A" with password pw, saved on that day, identity "A".
Account saved(char name, std::string pw = "pw", int day = 1) {
    Account a;
    a.name = std::string(1, name);
    a.user = "me";
    a.password = std::move(pw);
    a.url = "https://a.example";
    a.id[0] = static_cast<unsigned char>(name);
    a.created = a.modified = kDay0 + day * kDay;
    return a;
}
// The same from a file without identities or times; its identity is "a".
Account timeless(char name, std::string pw = "pw") {
    Account a = saved(name, std::move(pw));
    a.id[0] = static_cast<unsigned char>(name + 32);
    a.created = a.modified = 0;
    return a;
}
// The account with a new password typed on that day and saved.
Account changed(Account a, std::string pw, int day) {
    changeField(a, Field::Password, std::move(pw), kDay0 + day * kDay);
    a.changedSinceSave = false;
    return a;
}
Removal removal(char id, int day, int versionDay = 1) {
    return {{static_cast<unsigned char>(id)}, kDay0 + day * kDay, kDay0 + versionDay * kDay};
}

std::string when(Timestamp t) {
    return t == 0 ? "?" : std::to_string((t - kDay0) / kDay);
}
// "A pw #A c1 m4": the texts a person reads, whose identity, created and
// modified on which days.
std::string shown(const Account& a) {
    const bool made = std::any_of(a.id.begin() + 1, a.id.end(), [](auto b) { return b != 0; });
    return a.name + " " + a.password + " #" + (made ? "new" : std::string{char(a.id[0])}) + " c" +
           when(a.created) + " m" + when(a.modified);
}
std::vector<std::string> shown(const MergeResult& m) {
    std::vector<std::string> out;
    std::transform(m.accounts.begin(), m.accounts.end(), std::back_inserter(out),
                   [](const Account& a) { return shown(a); });
    for (const Removal& r : m.removals) {
        out.push_back("removed " + std::string{char(r.id[0])} + " @" + when(r.removed));
    }
    return out;
}
// Everything but a copy's random identity, in no order.
std::vector<std::string> asSet(const MergeResult& m) {
    std::vector<std::string> out = shown(m);
    for (std::size_t i = 0; i < m.accounts.size(); ++i) {
        for (Timestamp t : m.accounts[i].history) {
            out[i] += " h" + when(t);
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

struct Side {
    std::vector<Account> accounts;
    std::vector<Removal> removals = {};
    bool ids = true;
};
struct Row {
    const char* name;
    Side ours, theirs;
    std::vector<std::string> merged;
    const char* summary;
};

const std::vector<Row> kRows = {
    {"added on either side",
     {{saved('A'), saved('C')}},
     {{saved('A'), saved('B')}},
     {"A pw #A c1 m1", "C pw #C c1 m1", "B pw #B c1 m1"},
     "1 account from theirs"},
    {"changed on one side",
     {{saved('A'), changed(saved('B'), "mine", 2)}},
     {{changed(saved('A'), "new", 3), saved('B')}},
     {"A new #A c1 m3", "B mine #B c1 m2"},
     "1 account from theirs"},
    {"changed on both: the later wins, equal times by the texts",
     {{changed(saved('A'), "mine", 4), changed(saved('B'), "b2", 3)}},
     {{changed(saved('A'), "theirs", 3), changed(saved('B'), "b1", 3)}},
     {"A mine #A c1 m4", "A (conflict 2026-01-04) theirs #new c10 m3", "B b1 #B c1 m3",
      "B (conflict 2026-01-04) b2 #new c10 m3"},
     "2 accounts from theirs, 2 conflicts kept as copies"},
    {"removed, unchanged on the other side",
     {{saved('A'), saved('B')}},
     {{saved('A')}, {removal('B', 5)}},
     {"A pw #A c1 m1", "removed B @5"},
     "1 account removed, as in theirs"},
    {"removed, changed later on the other side",
     {{changed(saved('B'), "new", 6)}},
     {{}, {removal('B', 5)}},
     {"B new #B c1 m6"},
     "nothing new from theirs"},
    {"removed, changed earlier on the other side",
     {{}, {removal('B', 5)}},
     {{changed(saved('B'), "new", 3)}},
     {"B new #B c1 m3"},
     "1 account from theirs"},
    {"a side without identities paired by name, user and URL",
     {{saved('A'), saved('B')}},
     {{timeless('C'), timeless('B', "new"), timeless('A')}, {}, false},
     {"A pw #A c1 m1", "B pw #B c1 m1", "B (conflict 2026-01-11) new #new c10 m10",
      "C pw #c c? m?"},
     "2 accounts from theirs, 1 conflict kept as a copy"},
    {"no identities on either side: ours wins, pairs in table order",
     {{timeless('A', "1"), timeless('A', "2"), timeless('B', "mine")}, {}, false},
     {{timeless('B', "held"), timeless('A', "1"), timeless('A', "2")}, {}, false},
     {"A 1 #a c? m?", "A 2 #a c? m?", "B mine #b c? m?",
      "B (conflict 2026-01-11) held #new c10 m10"},
     "1 account from theirs, 1 conflict kept as a copy"},
    {"removals unioned; a year on, forgotten and no longer acting",
     {{changed(saved('A'), "new", 6)}, {removal('X', 2), removal('Y', -400, -500)}},
     {{saved('Y', "pw", -500)}, {removal('X', 4), removal('Z', 3), removal('A', 5)}},
     {"A new #A c1 m6", "Y pw #Y c-500 m-500", "removed X @4", "removed Z @3"},
     "1 account from theirs"},
};

MergeResult merge(const Side& ours, const Side& theirs) {
    return mergeTables({ours.accounts, ours.removals, ours.ids},
                       {theirs.accounts, theirs.removals, theirs.ids}, kNow);
}

TEST(MergeTables, KeepsWhatEitherSideTyped) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        const MergeResult m = merge(row.ours, row.theirs);
        EXPECT_EQ(shown(m), row.merged);
        EXPECT_EQ(mergeSummary(m, "theirs"), row.summary);
    }
}

TEST(MergeTables, IsItselfWithItselfTheSameFromEitherSideAndSettles) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        std::vector<Removal> kept = row.ours.removals;
        pruneRemovals(kept, row.ours.accounts, kNow);
        const MergeResult self = merge(row.ours, row.ours);
        EXPECT_EQ(asSet(self), asSet({row.ours.accounts, kept}));
        EXPECT_EQ(shown(self), shown({row.ours.accounts, kept}));

        const MergeResult m = merge(row.ours, row.theirs);
        if (row.ours.ids || row.theirs.ids) {
            EXPECT_EQ(asSet(m), asSet(merge(row.theirs, row.ours)));
        }
        for (const Side* side : {&row.ours, &row.theirs}) {
            const MergeResult again =
                merge({m.accounts, m.removals, row.ours.ids || row.theirs.ids}, *side);
            EXPECT_EQ(asSet(again), asSet(m));
            EXPECT_EQ(again.conflicts, 0u);
        }
    }
}

} // namespace
} // namespace lb
