// The password generator and the strength estimate: what one press of
// Generate costs at the extremes of its settings, and what the meter's
// estimate costs at each keystroke for a short and a long password.

#include "core/password_generator.h"
#include "core/password_strength.h"

#include <benchmark/benchmark.h>

namespace {

// Characters of every kind; the shortest throws most candidates away.
void GenerateCharacters(benchmark::State& state) {
    lb::GeneratorSettings settings;
    settings.length = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(lb::generate(settings));
    }
}
BENCHMARK(GenerateCharacters)->Arg(4)->Arg(20)->Arg(128);

void GeneratePassphrase(benchmark::State& state) {
    lb::GeneratorSettings settings;
    settings.passphrase = true;
    settings.words = static_cast<int>(state.range(0));
    settings.withDigit = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lb::generate(settings));
    }
}
BENCHMARK(GeneratePassphrase)->Arg(6)->Arg(12);

void EstimateStrength(benchmark::State& state) {
    lb::GeneratorSettings settings;
    settings.length = static_cast<int>(state.range(0));
    const std::string password = lb::generate(settings);
    for (auto _ : state) {
        benchmark::DoNotOptimize(lb::estimateStrength(password));
    }
}
BENCHMARK(EstimateStrength)->Arg(20)->Arg(128);

} // namespace
