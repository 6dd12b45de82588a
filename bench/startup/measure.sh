#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the desktop program against a bare Qt main window, and the time
# from pressing calculate to the reading window, both under a private Xvfb.
#
#   bench/startup/measure.sh [build-folder] [runs]
#
# Start-up is timed from outside: from launching the program to its window
# being mapped and viewable, polled with xwininfo every millisecond or so.
set -eu

build=${1:-build/default}
runs=${2:-15}

for tool in Xvfb xwininfo; do
    command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done
for program in "$build/app/varelio" "$build/bench/startup/bare_window" "$build/bench/startup/reading_shown"; do
    [ -x "$program" ] || { echo "missing $program: build targets varelio bare_window reading_shown" >&2; exit 1; }
done

# Xvfb picks a free display number and writes it to fd 3.
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$work/display") QT_QPA_PLATFORM=xcb
# A desktop session provides the runtime folder the single-instance lock uses.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

now_ms() { date +%s%N | cut -c1-13; }

# Prints milliseconds from launch until a window with this title is viewable.
# Always called in a command substitution; the subshell must not run the
# trap that stops Xvfb.
time_to_window() {
    trap - EXIT
    title=$1; shift
    start=$(now_ms)
    "$@" >/dev/null 2>"$work/launch.err" &
    pid=$!
    while ! xwininfo -name "$title" 2>/dev/null | grep -q "IsViewable"; do
        if ! kill -0 "$pid" 2>/dev/null; then echo "$title ended early:" >&2; cat "$work/launch.err" "$work/xvfb.log" >&2; exit 1; fi
    done
    end=$(now_ms)
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo $((end - start))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# One unmeasured launch of each warms the file cache.
warm=$(time_to_window "Bare v1.15" "$build/bench/startup/bare_window")
warm=$(time_to_window "Varelio v1.15" "$build/app/varelio")

bare=""; labelled=""; varelio=""
for _ in $(seq "$runs"); do
    bare="$bare $(time_to_window "Bare v1.15" "$build/bench/startup/bare_window")"
    labelled="$labelled $(time_to_window "Bare v1.15" "$build/bench/startup/bare_window" --label)"
    varelio="$varelio $(time_to_window "Varelio v1.15" "$build/app/varelio")"
done
bare_median=$(echo $bare | tr ' ' '\n' | median)
labelled_median=$(echo $labelled | tr ' ' '\n' | median)
varelio_median=$(echo $varelio | tr ' ' '\n' | median)
echo "start-up to window viewable, $runs runs each (ms):"
echo "  bare window:            $bare  (median $bare_median)"
echo "  bare window, one label: $labelled  (median $labelled_median)"
echo "  varelio:                $varelio  (median $varelio_median)"
awk -v v="$varelio_median" -v b="$bare_median" -v l="$labelled_median" 'BEGIN {
    printf "  ratio varelio / bare: %.2f (target at most 1.5); varelio / bare with a label: %.2f\n", v / b, v / l }'

echo "calculate to reading window (target within 50 ms):"
"$build/bench/startup/reading_shown" 20
