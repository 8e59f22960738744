#!/usr/bin/env bash
# Start-up time under a virtual X display: from starting the process until its window is
# mapped and viewable, for the program (the selection menu) and for a bare Qt window.
# Prints every run and the median of each. Usage: bench/startup.sh [build-dir] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-10}
cmake --build "$build" --target zolt startup_bare >/dev/null

# A virtual display of its own: Xvfb picks a free display number and writes it once it
# accepts connections.
log=$(mktemp)
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -f "$log" "$displayfile"' EXIT
for _ in $(seq 300); do
    [ -s "$displayfile" ] && break
    sleep 0.1
done
[ -s "$displayfile" ] || { echo "the virtual display did not come up" >&2; exit 1; }
export DISPLAY=":$(tr -d '[:space:]' <"$displayfile")"
unset XAUTHORITY

# Milliseconds from start until a viewable top-level window with the given title exists.
# A program that ends without showing its window is started again (on a busy machine the
# display now and then refuses a connection); after three failures, or 30 s without a
# window, the script stops.
time_to_window() {
    local program=$1 title=$2
    local start end pid attempt
    for attempt in 1 2 3; do
        start=$(date +%s%N)
        "$program" >/dev/null 2>"$log" &
        pid=$!
        while :; do
            if xwininfo -name "$title" 2>/dev/null | grep -q "IsViewable"; then
                end=$(date +%s%N)
                kill "$pid" 2>/dev/null || true
                wait "$pid" 2>/dev/null || true
                echo $(((end - start) / 1000000))
                return 0
            fi
            if ! kill -0 "$pid" 2>/dev/null; then
                wait "$pid" 2>/dev/null || true
                echo "$program ended without a window (attempt $attempt):" >&2
                head -n 1 "$log" >&2
                break
            fi
            if [ $(($(date +%s%N) - start)) -gt 30000000000 ]; then
                kill "$pid" 2>/dev/null || true
                echo "$program showed no window within 30 s" >&2
                exit 1
            fi
            sleep 0.01
        done
    done
    exit 1
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
