// Reading what scripts hand lockerbook-cli, at two sizes each, so that the
// time can be seen to grow with the input and no faster: the JSON of
// `create` (200,000 and 1,000,000 accounts), and an import whose header line
// names 10,000 and 100,000 columns no source has.

#include "core/account_json.h"
#include "core/import_sources.h"

#include <benchmark/benchmark.h>

namespace {

std::string accountsJson(std::int64_t count) {
    std::string json = "{\"accounts\":[";
    for (std::int64_t i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        json += (i == 0 ? "{" : ",{");
        json += "\"name\":\"Account " + n + "\",\"user\":\"user" + n + "\",\"password\":\"pw" + n +
                "\",\"url\":\"https://example.org/" + n + "\",\"notes\":\"n\"}";
    }
    return json + "]}";
}

void ReadCreateJson(benchmark::State& state) {
    const std::string json = accountsJson(state.range(0));
    for (auto _ : state) {
        std::string error;
        auto table = lb::accountsFromJson(json, 1, error);
        if (!table || table->accounts.size() != static_cast<std::size_t>(state.range(0))) {
            state.SkipWithError("the accounts did not read");
        }
        benchmark::DoNotOptimize(table);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

std::string manyColumns(std::int64_t unknown) {
    std::string text = "name,url,username,password";
    for (std::int64_t i = 0; i < unknown; ++i) {
        text += ",extra" + std::to_string(i);
    }
    return text + "\n";
}

void ImportUnknownColumns(benchmark::State& state) {
    const std::string text = manyColumns(state.range(0));
    for (auto _ : state) {
        const lb::ImportResult result =
            lb::importExportFile(text, lb::ImportSource::Chrome, lb::TextLimits::AnyText, 1);
        if (result.unknownColumns.size() != static_cast<std::size_t>(state.range(0))) {
            state.SkipWithError("the columns were not all seen");
        }
        benchmark::DoNotOptimize(result.unknownColumns.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(ReadCreateJson)->Arg(200'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportUnknownColumns)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
