// Moving in: a browser's export of 10,000 passwords (about 1 MB) read and
// turned into accounts, as lockerbook-cli import does; and the same followed
// by sealing the new file with a negligible key derivation, so that the
// records and the cipher are counted but not the half second of the
// derivation (sealed_bench's DeriveKey times that alone).

#include "core/import_sources.h"
#include "core/sealed_file.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 10000;

// Every row quotes a comma and a doubled quote, and a tenth of them a line
// break and a non-ASCII character, so that the slow paths are measured too.
std::string browserExport() {
    std::string text = "name,url,username,password,note\r\n";
    for (int i = 0; i < kRows; ++i) {
        const std::string n = std::to_string(i);
        text += "site" + n + ".example,https://site" + n + ".example/login,user" + n +
                "@mail.example,\"Pw,\"\"" + n + "\"\"!\"," +
                (i % 10 == 0 ? "\"caf\xC3\xA9 note\nof two lines\"" : "plain note") + "\r\n";
    }
    return text;
}

lb::ImportResult imported(benchmark::State& state, const std::string& text) {
    lb::ImportResult result =
        lb::importExportFile(text, lb::ImportSource::Chrome, lb::TextLimits::AnyText, 1);
    if (result.accounts.size() != kRows) {
        state.SkipWithError("the rows did not all import");
    }
    return result;
}

void ImportBrowserRows(benchmark::State& state) {
    const std::string text = browserExport();
    for (auto _ : state) {
        const lb::ImportResult result = imported(state, text);
        benchmark::DoNotOptimize(result.accounts.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void ImportAndSealBrowserRows(benchmark::State& state) {
    const std::string text = browserExport();
    for (auto _ : state) {
        const lb::ImportResult result = imported(state, text);
        const std::string file = lb::encodeSealedFile(result.accounts, {}, "correct horse", {1, 8});
        benchmark::DoNotOptimize(file.data());
    }
}

} // namespace

BENCHMARK(ImportBrowserRows)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportAndSealBrowserRows)->Unit(benchmark::kMillisecond);
