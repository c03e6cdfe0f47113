#!/usr/bin/env bash
# Time from starting a program to its window being mapped under Xvfb, for
# Lockerbook (fresh settings, so it starts with a new file) and for a bare Qt
# window. Prints the median of N runs of each.
# usage: bench/startup_time.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?build folder}
runs=${2:-15}
n=57
while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
display=:$n
Xvfb $display -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY=$display
config=$(mktemp -d)
export XDG_CONFIG_HOME=$config

measure() { # program title -> milliseconds, one per line
    local program=$1 title=$2
    for _ in $(seq "$runs"); do
        rm -rf "$config"/*
        local start end
        start=$(date +%s%N)
        "$program" >/dev/null 2>&1 &
        local pid=$!
        # Poll every few milliseconds; xdotool's own --sync waits half a second a try.
        until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
            if ! kill -0 "$pid" 2>/dev/null; then
                echo "$program ended before showing its window" >&2
                exit 1
            fi
            sleep 0.005
        done
        end=$(date +%s%N)
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        echo $(((end - start) / 1000000))
        # Let the X server let go of the client before the next one connects.
        sleep 0.3
    done | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}

bare=$(measure "$build/bench/bare_window" "Bare window")
lb=$(measure "$build/src/shell/lockerbook" "Lockerbook")
echo "bare Qt window: ${bare} ms (median of $runs)"
echo "Lockerbook:     ${lb} ms (median of $runs)"
awk -v a="$lb" -v b="$bare" 'BEGIN {printf "ratio:          %.2f\n", a / b}'
rm -rf "$config"
