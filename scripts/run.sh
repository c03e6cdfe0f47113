#!/usr/bin/env bash
# Installs what is missing, builds Lockerbook and starts it. Arguments are
# passed on (an account file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target lockerbook
exec build/default/src/app/lockerbook "$@"
