#!/usr/bin/env bash
# Installs what is missing, builds Lockerbook and starts it. Arguments are
# passed on (an account file to open), relative to the folder it was run from.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
(
  cd "$root"
  scripts/install-deps.sh
  cmake --preset default >/dev/null
  cmake --build --preset default --target lockerbook
)
exec "$root/build/default/src/app/lockerbook" "$@"
