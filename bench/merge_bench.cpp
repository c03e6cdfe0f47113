// Two computers' versions of a full table made into one: 5,000 accounts on
// each side, 4,500 of them shared, 300 changed on each side of which 100 on
// both (so 100 conflicts), and 500 added on each side.

#include "core/account_merge.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kShared = 4500;
constexpr int kAdded = 500;
constexpr int kChanged = 300;
constexpr int kChangedOnBoth = 100;
constexpr lb::Timestamp kSaved = 1'767'225'600'000; // 2026-01-01
constexpr lb::Timestamp kNow = kSaved + 86'400'000;

lb::Account account(const std::string& name) {
    lb::Account a = lb::newAccount(kSaved);
    a.name = name;
    a.user = name + "@mail.example";
    a.password = "Pw-" + name + "-0123456789";
    a.url = "https://" + name + ".example/login";
    a.notes = "a note of ordinary length for " + name;
    return a;
}

struct Tables {
    std::vector<lb::Account> ours;
    std::vector<lb::Account> theirs;
};

// Ours changes shared accounts [0, 300), theirs [200, 500).
Tables tables() {
    Tables t;
    for (int i = 0; i < kShared; ++i) {
        t.ours.push_back(account("shared" + std::to_string(i)));
    }
    t.theirs = t.ours;
    const int theirsFirst = kChanged - kChangedOnBoth;
    for (int i = 0; i < kChanged; ++i) {
        lb::changeField(t.ours[i], lb::Field::Password, "ours" + std::to_string(i), kNow - 2000);
        lb::changeField(t.theirs[theirsFirst + i], lb::Field::Password,
                        "theirs" + std::to_string(i), kNow - 1000);
    }
    for (int i = 0; i < kAdded; ++i) {
        t.ours.push_back(account("ours" + std::to_string(i)));
        t.theirs.push_back(account("theirs" + std::to_string(i)));
    }
    return t;
}

void MergeTwoFullTables(benchmark::State& state) {
    const Tables t = tables();
    const std::vector<lb::Removal> none;
    for (auto _ : state) {
        const lb::MergeResult merged =
            lb::mergeTables({t.ours, none, true}, {t.theirs, none, true}, kNow);
        if (merged.conflicts != kChangedOnBoth) {
            state.SkipWithError("the changes on both sides did not all conflict");
        }
        benchmark::DoNotOptimize(merged.accounts.data());
    }
}

} // namespace

BENCHMARK(MergeTwoFullTables)->Unit(benchmark::kMillisecond);
