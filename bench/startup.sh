#!/usr/bin/env bash
# Start-up time under a virtual X display: from starting the process until its window is
# mapped and viewable, for the program (the selection menu) and for a bare Qt window.
# Prints every run and the median of each. Usage: bench/startup.sh [build-dir] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-10}
cmake --build "$build" --target zolt startup_bare >/dev/null

display=":$((100 + RANDOM % 800))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Milliseconds from start until a viewable top-level window with the given title exists.
time_to_window() {
    local program=$1 title=$2
    local start end pid
    start=$(date +%s%N)
    "$program" >/dev/null 2>&1 &
    pid=$!
    while :; do
        if xwininfo -root -tree 2>/dev/null | grep -qF "\"$title\""; then
            if xwininfo -name "$title" 2>/dev/null | grep -q "IsViewable"; then break; fi
        fi
        sleep 0.005
    done
    end=$(date +%s%N)
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{a[NR]=$1} END {if (NR % 2) print a[(NR+1)/2]; else print (a[NR/2]+a[NR/2+1])/2}'; }

# One warm-up each so that both read their libraries from the page cache.
time_to_window "$build/startup_bare" "startup-bare" >/dev/null
time_to_window "$build/zolt" "ZOLT - AUSWAHLMENÜ" >/dev/null

bare=() menu=()
for _ in $(seq "$runs"); do
    bare+=("$(time_to_window "$build/startup_bare" "startup-bare")")
    menu+=("$(time_to_window "$build/zolt" "ZOLT - AUSWAHLMENÜ")")
done
echo "bare window ms: ${bare[*]}"
echo "menu ms:        ${menu[*]}"
bare_median=$(printf '%s\n' "${bare[@]}" | median)
menu_median=$(printf '%s\n' "${menu[@]}" | median)
echo "median bare: ${bare_median} ms, median menu: ${menu_median} ms"
awk -v b="$bare_median" -v m="$menu_median" 'BEGIN {printf "ratio menu / bare: %.2f\n", m / b}'
