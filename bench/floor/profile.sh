#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Instructions counted by callgrind (deterministic, unlike times on a shared
# machine) for the floor births: the whole reading (ComputeReading), the
# engine alone (ComputeChart and DeriveSummary) and the libm floor of each
# (the replay alone), one pass each; prints the totals a birth, the ratios and
# the top functions by their own instructions.
#
#   bench/floor/profile.sh BUILD/bench/varelio_bench [OUT_PREFIX] [TOP]
set -eu
bench=$1
out=${2:-/tmp/varelio-floor}
top=${3:-10}
births=256  # kFloorBirthCount

count() {  # name filter toggle...
    name=$1 filter=$2
    shift 2
    toggles=""
    for t in "$@"; do toggles="$toggles --toggle-collect=$t"; done
    # shellcheck disable=SC2086
    valgrind --tool=callgrind --callgrind-out-file="$out-$name.out" $toggles \
        "$bench" --benchmark_filter="$filter" --benchmark_min_time=0 >/dev/null 2>&1
}
count reading 'BM_ComputeReadingFloorBirths$' 'varelio::ComputeReading(*'
count engine 'BM_EngineRunFloorBirths$' 'varelio::ComputeChart(*' 'varelio::DeriveSummary(*'
count floor-reading 'BM_LibmFloorReading$' '*Replay(*'
count floor-engine 'BM_LibmFloorEngine$' '*Replay(*'

total() { callgrind_annotate "$out-$1.out" 2>/dev/null | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }'; }
for name in reading engine floor-reading floor-engine; do
    echo "$name: $(( $(total "$name") / births )) instructions a birth"
done
awk -v r="$(total reading)" -v fr="$(total floor-reading)" -v e="$(total engine)" -v fe="$(total floor-engine)" \
    'BEGIN { printf "instructions: reading / floor %.2f   engine / floor %.2f\n", r / fr, e / fe }'
for name in reading engine; do
    echo "== $name: top $top functions by their own instructions"
    callgrind_annotate "$out-$name.out" 2>/dev/null | sed -n '/PROGRAM TOTALS/,$p' | grep -v '^-\|^Ir\|^$\|PROGRAM TOTALS' |
        head -n "$top" | sed 's| \[/.*||; s|[^ ]*/\.\./\.\./||; s|\./[a-z]*/\.\./sysdeps/[^:]*/||' | cut -c1-140
done
