// The sealed file's costs, apart: the key derivation at the cost new files
// get (the half second a person waits at every open and save), and sealing
// and opening a full table (5,000 accounts with 500-character notes) with a
// negligible derivation, so that what remains is the records and the cipher.
// XChaCha20-Poly1305 over the same 2.6 MB as codec_bench's Memcpy.

#include "core/sealed_file.h"
#include "decode_timing.h"

#include <benchmark/benchmark.h>
#include <sodium.h>

namespace {

constexpr lb::KdfCost kNegligible{1, 8};

std::vector<lb::Account> table() {
    std::vector<lb::Account> accounts(5000);
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        // A sealed file keeps each account's identity, which must be its own.
        accounts[i] = lb::newAccount(1700000000000);
        accounts[i].name = "Account " + std::to_string(i);
        accounts[i].user = "user" + std::to_string(i % 97);
        accounts[i].password = "Pw-" + std::to_string(i * 7919);
        accounts[i].url = "https://example.org/" + std::to_string(i);
        accounts[i].notes = std::string(500, static_cast<char>('a' + i % 26));
    }
    return accounts;
}

void DeriveKey(benchmark::State& state) {
    const lb::KdfCost cost{static_cast<std::uint32_t>(state.range(0)),
                           static_cast<std::uint32_t>(state.range(1))};
    if (sodium_init() < 0) {
        state.SkipWithError("libsodium did not start");
    }
    lb::SecretBytes key(32);
    const std::string salt(16, 's');
    for (auto _ : state) {
        if (!lb::argon2idKey(key, "correct horse", salt, cost)) {
            state.SkipWithError("no memory for the derivation");
        }
    }
}

void SealFile(benchmark::State& state) {
    const auto accounts = table();
    for (auto _ : state) {
        const std::string file = lb::encodeSealedFile(accounts, {}, "correct horse", kNegligible);
        benchmark::DoNotOptimize(file.data());
    }
}

void OpenSealedFile(benchmark::State& state) {
    const auto accounts = table();
    const std::string file = lb::encodeSealedFile(accounts, {}, "correct horse", kNegligible);
    timeDecoding(state, file, [](const std::string& bytes) {
        return lb::decodeSealedFile(bytes, "correct horse");
    });
}

void Encrypt(benchmark::State& state) {
    const std::string in(2600000, 'x');
    std::string out(in.size() + crypto_aead_xchacha20poly1305_ietf_ABYTES, '\0');
    unsigned char key[crypto_aead_xchacha20poly1305_ietf_KEYBYTES] = {};
    unsigned char nonce[crypto_aead_xchacha20poly1305_ietf_NPUBBYTES] = {};
    for (auto _ : state) {
        unsigned long long length = 0;
        crypto_aead_xchacha20poly1305_ietf_encrypt(
            reinterpret_cast<unsigned char*>(out.data()), &length,
            reinterpret_cast<const unsigned char*>(in.data()), in.size(), nullptr, 0, nullptr,
            nonce, key);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(in.size()));
}

} // namespace

// The default cost, then the smallest memory a file may ask for.
BENCHMARK(DeriveKey)->Args({7, 128 * 1024})->Args({3, 64 * 1024})->Unit(benchmark::kMillisecond);
BENCHMARK(SealFile)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenSealedFile)->Unit(benchmark::kMillisecond);
BENCHMARK(Encrypt)->Unit(benchmark::kMicrosecond);
