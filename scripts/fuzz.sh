#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for SECONDS seconds (default 30),
# starting from seed files the program's own writer makes. A finding stops the
# script with a failure and leaves the input that caused it in
# <build>/fuzz-findings/. The build folder is build/fuzz unless LB_FUZZ_BUILD_DIR
# names another.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
build="${LB_FUZZ_BUILD_DIR:-build/fuzz}"
targets=(account_file sealed_file legacy_file account_json csv_import)

scripts/install-deps.sh
cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" --target make_fuzz_seeds "${targets[@]/%/_fuzzer}"

"$build/fuzz/make_fuzz_seeds" "$build/fuzz-seeds"
mkdir -p "$build/fuzz-findings"
for target in "${targets[@]}"; do
  echo "== ${target}_fuzzer for ${seconds}s"
  mkdir -p "$build/fuzz-corpus/$target"
  "$build/fuzz/${target}_fuzzer" \
    -max_total_time="$seconds" \
    -artifact_prefix="$build/fuzz-findings/${target}-" \
    -print_final_stats=1 \
    "$build/fuzz-corpus/$target" "$build/fuzz-seeds/$target"
done
