#!/usr/bin/env bash
# Starts Lockerbook as the README says (scripts/run.sh) on a virtual screen and
# fails unless a window shows: the main window when no file is given, the
# password prompt when an account file is. Settings go to a fresh home, so
# whatever the machine remembers cannot change what shows.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display HOME=$work/home XDG_CONFIG_HOME=$work/home/.config QT_QPA_PLATFORM=xcb
mkdir -p "$HOME"

# Waits up to a minute for a shown window of that title, while process $2 lives.
shows() {
  for _ in $(seq 120); do
    if xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; then return 0; fi
    kill -0 "$2" 2>/dev/null || return 1
    sleep 0.5
  done
  return 1
}

# One start: run.sh with the arguments, the window it must show, then quit it.
start() {
  local title=$1
  shift
  scripts/run.sh "$@" >"$work/run.log" 2>&1 &
  local pid=$!
  pids+=("$pid")
  if ! shows "$title" "$pid"; then
    echo "check-run: no \"$title\" window after scripts/run.sh $*" >&2
    cat "$work/run.log" >&2
    exit 1
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "check-run: scripts/run.sh $* shows \"$title\""
}

start "Lockerbook"
cmake --build --preset default --target lockerbook-cli >/dev/null
printf 'pw\n{"accounts":[{"name":"Mail"}]}' |
  build/default/src/cli/lockerbook-cli create "$work/accounts.lockbk"
start "Enter password" "$work/accounts.lockbk"
