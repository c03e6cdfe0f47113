#pragma once
// The timed loop shared by the file readers' benchmarks: every read is checked,
// and freeing the table it gives is left out of the time, as that is the
// caller's cost, not the reader's.

#include "core/decode_result.h"

#include <benchmark/benchmark.h>
#include <string>

template <typename Decode>
void timeDecoding(benchmark::State& state, const std::string& file, Decode decode) {
    for (auto _ : state) {
        lb::DecodeResult result = decode(file);
        if (result.outcome != lb::DecodeOutcome::Read) {
            state.SkipWithError("the file did not read back");
        }
        benchmark::DoNotOptimize(result.accounts.data());
        state.PauseTiming();
        result = {};
        state.ResumeTiming();
    }
    state.counters["file_bytes"] = static_cast<double>(file.size());
}
