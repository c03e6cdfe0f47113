// A full table in the scripts people write in: 5,000 accounts whose notes are
// 500 characters of Cyrillic and Chinese and whose names mix several
// scripts, sealed and opened with a negligible key derivation so that only
// the records and the cipher count; beside it, the legacy (classic) codec
// over a table that Windows-1252 holds, for comparison.

#include "core/classic_file.h"
#include "core/sealed_file.h"
#include "core/utf8.h"
#include "decode_timing.h"

#include <benchmark/benchmark.h>

namespace {

constexpr lb::KdfCost kNegligible{1, 8};
constexpr std::size_t kAccounts = 5000;
constexpr std::size_t kNoteCharacters = 500;
constexpr std::string_view kPassword = "correct horse";

// The first count characters of text repeated, as UTF-8.
std::string characters(std::u32string_view text, std::size_t count, std::size_t from) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i) {
        lb::utf8::append(out, text[(from + i) % text.size()]);
    }
    return out;
}

std::vector<lb::Account> table(std::u32string_view notes,
                               const std::vector<std::string_view>& names) {
    std::vector<lb::Account> accounts;
    accounts.reserve(kAccounts);
    for (std::size_t i = 0; i < kAccounts; ++i) {
        const std::string n = std::to_string(i);
        lb::Account a = lb::newAccount(1700000000000);
        a.name = std::string(names[i % names.size()]) + " " + n;
        a.user = "user" + n;
        a.password = "Pw-" + std::to_string(i * 7919);
        a.url = "https://example.org/" + n;
        a.notes = characters(notes, kNoteCharacters, i);
        accounts.push_back(std::move(a));
    }
    return accounts;
}

std::vector<lb::Account> worldTable() {
    return table(U"Съешь же ещё этих мягких французских булок, да выпей чаю. "
                 U"敏捷的棕色狐狸跳过了懒狗。我能吞下玻璃而不伤身体。",
                 {"Яндекс Почта", "支付宝 Alipay", "Ελληνικά", "العربية", "🎮 Steam", "Gmail"});
}

std::vector<lb::Account> westernTable() {
    return table(U"Zwölf Boxkämpfer jagen Viktor quer über den großen Sylter Deich. "
                 U"Le cœur déçu mais l'âme plutôt naïve, Louis rêva de crapaüter. ",
                 {"Café", "Señor Mail", "Øresund", "Bank"});
}

void SealUnicodeFile(benchmark::State& state) {
    const auto accounts = worldTable();
    for (auto _ : state) {
        const std::string file = lb::encodeSealedFile(accounts, {}, kPassword, kNegligible);
        benchmark::DoNotOptimize(file.data());
    }
}

void OpenUnicodeSealedFile(benchmark::State& state) {
    const std::string file = lb::encodeSealedFile(worldTable(), {}, kPassword, kNegligible);
    timeDecoding(state, file,
                 [](const std::string& bytes) { return lb::decodeSealedFile(bytes, kPassword); });
}

void WriteWesternClassicFile(benchmark::State& state) {
    const auto accounts = westernTable();
    for (auto _ : state) {
        const std::string file = lb::encodeClassicFile(accounts, kPassword, lb::randomSource());
        benchmark::DoNotOptimize(file.data());
    }
}

void ReadWesternClassicFile(benchmark::State& state) {
    const std::string file = lb::encodeClassicFile(westernTable(), kPassword, lb::randomSource());
    timeDecoding(state, file,
                 [](const std::string& bytes) { return lb::decodeClassicFile(bytes, kPassword); });
}

} // namespace

BENCHMARK(SealUnicodeFile)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenUnicodeSealedFile)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteWesternClassicFile)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadWesternClassicFile)->Unit(benchmark::kMillisecond);
