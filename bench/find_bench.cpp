// The find box over 100,000 accounts, one keystroke at a time as a person
// types "mail" and takes it back: the first keystroke, which folds every
// account's searchable text; a narrowing one, which looks only at the
// accounts still shown; a widening one, which looks at them all again; and
// clearing the box.

#include "store/account_table_model.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <iterator>

namespace {

constexpr int kAccounts = 100000;

std::vector<lb::Account> accounts() {
    static constexpr std::string_view kSites[] = {
        "Mail", "Bank of Zürich", "Forum", "Shop", "Почта", "支付宝", "Maison du café"};
    std::vector<lb::Account> list;
    list.reserve(kAccounts);
    for (int i = 0; i < kAccounts; ++i) {
        const std::string n = std::to_string(i);
        list.push_back({std::string(kSites[i % std::size(kSites)]) + " " + n,
                        "user" + n + "@example.org", "Pw-" + n,
                        "https://site" + n + ".example.org/login",
                        "Kept since " + n + "; the security questions are in the other file."});
    }
    return list;
}

// Times going from the text before to the text after, the model set back
// to before, unmeasured, for every keystroke. The iterations are counted out:
// clearing takes far less time than setting the model back, which the
// library's own choice of count would repeat for minutes.
void keystroke(benchmark::State& state, const QString& before, const QString& after,
               bool freshTable) {
    const std::vector<lb::Account> table = accounts();
    lb::AccountTableModel model;
    model.replaceAll(table);
    for (auto _ : state) {
        if (freshTable) {
            model.replaceAll(table);
        }
        model.setFindText(before);
        const auto start = std::chrono::steady_clock::now();
        model.setFindText(after);
        benchmark::DoNotOptimize(model.size());
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["shown"] = model.size();
}

void FirstKeystroke(benchmark::State& state) {
    keystroke(state, {}, QStringLiteral("m"), true);
}
void NarrowingKeystroke(benchmark::State& state) {
    keystroke(state, QStringLiteral("ma"), QStringLiteral("mai"), false);
}
void WideningKeystroke(benchmark::State& state) {
    keystroke(state, QStringLiteral("mai"), QStringLiteral("ma"), false);
}
void Clearing(benchmark::State& state) {
    keystroke(state, QStringLiteral("mai"), {}, false);
}

} // namespace

BENCHMARK(FirstKeystroke)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(NarrowingKeystroke)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(WideningKeystroke)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Clearing)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
