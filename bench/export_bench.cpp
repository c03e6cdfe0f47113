// Exporting a full list of 5,000 accounts in each format, the largest list
// the program lets a person build.

#include "core/account.h"
#include "core/export_writer.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

std::vector<lb::Account> fullList() {
    std::vector<lb::Account> accounts;
    accounts.reserve(lb::kMaxAccounts);
    for (int i = 0; i < lb::kMaxAccounts; ++i) {
        const std::string n = std::to_string(i);
        // Every tenth account has awkward notes, so the quoting and escaping
        // paths are part of the measurement.
        std::string notes = i % 10 == 0 ? "PIN, card & \"code\"\r\nat <home> " + n
                                        : "Ordinary notes for account " + n;
        accounts.push_back({"Account " + n, "user" + n + "@example.org", "Pw!" + n + "x9q2",
                            "https://site" + n + ".example.org/login", std::move(notes)});
    }
    return accounts;
}

void exportFullList(benchmark::State& state) {
    const std::vector<lb::Account> accounts = fullList();
    const auto format = static_cast<lb::ExportFormat>(state.range(0));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string file = lb::exportBytes(accounts, format);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(exportFullList)->DenseRange(1, 5)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
