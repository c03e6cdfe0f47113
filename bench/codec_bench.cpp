// The account-file codec's speed: writing and reading a full table (5,000
// accounts with 500-character notes, about 2.6 MB) and a very large one
// (100,000 accounts), and the cipher's throughput next to memcpy of the same
// buffer. Bytes per second count the accounts' field data.

#include "core/cipher.h"
#include "core/classic_file.h"
#include "decode_timing.h"

#include <benchmark/benchmark.h>
#include <cstring>

namespace {

class MiddleDraws final : public lb::RandomSource {
public:
    float next() override { return 0.5f; }
};

std::vector<lb::Account> table(std::size_t count, std::size_t notesLength) {
    std::vector<lb::Account> accounts(count);
    for (std::size_t i = 0; i < count; ++i) {
        accounts[i] = {"Account " + std::to_string(i), "user" + std::to_string(i % 97),
                       "Pw-" + std::to_string(i * 7919), "https://example.org/" + std::to_string(i),
                       std::string(notesLength, static_cast<char>('a' + i % 26))};
    }
    return accounts;
}

std::int64_t fieldBytes(const std::vector<lb::Account>& accounts) {
    std::int64_t total = 0;
    for (const lb::Account& a : accounts) {
        total += static_cast<std::int64_t>(a.name.size() + a.user.size() + a.password.size() +
                                           a.url.size() + a.notes.size());
    }
    return total;
}

void WriteAccountFile(benchmark::State& state) {
    const auto accounts = table(state.range(0), state.range(1));
    MiddleDraws draws;
    std::size_t fileSize = 0;
    for (auto _ : state) {
        const std::string file = lb::encodeClassicFile(accounts, "correct horse", draws);
        fileSize = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.SetBytesProcessed(state.iterations() * fieldBytes(accounts));
    state.counters["file_bytes"] = static_cast<double>(fileSize);
}

void ReadAccountFile(benchmark::State& state) {
    const auto accounts = table(state.range(0), state.range(1));
    MiddleDraws draws;
    const std::string file = lb::encodeClassicFile(accounts, "correct horse", draws);
    timeDecoding(state, file, [](const std::string& bytes) {
        return lb::decodeClassicFile(bytes, "correct horse");
    });
    state.SetBytesProcessed(state.iterations() * fieldBytes(accounts));
}

constexpr std::size_t kBufferSize = 2600000;

std::string buffer() {
    std::string text(kBufferSize, '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char>(i * 31 + i / 7);
    }
    return text;
}

void FieldCipherApply(benchmark::State& state) {
    const std::string in = buffer();
    std::string out(in.size(), '\0');
    lb::FieldCipher cipher(146, lb::FieldCipher::Direction::Encipher);
    for (auto _ : state) {
        cipher.apply(77, in, out.data());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(in.size()));
}

void ShiftText(benchmark::State& state) {
    const std::string in = buffer();
    for (auto _ : state) {
        std::string out = lb::ShiftText(in, 146);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(in.size()));
}

void Memcpy(benchmark::State& state) {
    const std::string in = buffer();
    std::string out(in.size(), '\0');
    for (auto _ : state) {
        std::memcpy(out.data(), in.data(), in.size());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(in.size()));
}

} // namespace

BENCHMARK(WriteAccountFile)->Args({5000, 500})->Args({100000, 20})->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAccountFile)->Args({5000, 500})->Args({100000, 20})->Unit(benchmark::kMillisecond);
BENCHMARK(FieldCipherApply)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShiftText)->Unit(benchmark::kMicrosecond);
BENCHMARK(Memcpy)->Unit(benchmark::kMicrosecond);
