#!/usr/bin/env bash
# The whole suite in an optimised Release build (-O3), where the compiler sees
# more and warns differently than in the default build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
ctest --preset release -j2
