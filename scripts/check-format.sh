#!/usr/bin/env bash
# Fails when a C++ file is not laid out as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format-14 --dry-run -Werror
echo "format check: all files follow .clang-format"
