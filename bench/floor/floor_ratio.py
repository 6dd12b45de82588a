#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The reading and the engine against their libm floor, in one run of the
# benchmarks: BM_ComputeReadingFloorBirths / BM_LibmFloorReading and
# BM_EngineRunFloorBirths / BM_LibmFloorEngine, each the median CPU time of
# its repetitions, interleaved at random so load on the machine falls on all
# four alike.
#
# --floor-calls DIR replays the calls another build recorded (its bench/
# directory, libm-calls-*.bin) instead: the floor of an earlier engine, to
# measure this one against a fixed yardstick.
#
#   bench/floor/floor_ratio.py BUILD/bench/varelio_bench [--repetitions 15] [--floor-calls DIR]
import argparse
import json
import os
import subprocess
import sys


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("bench", help="the varelio_bench executable")
    parser.add_argument("--repetitions", type=int, default=15)
    parser.add_argument("--floor-calls", metavar="DIR", help="replay the calls recorded in DIR instead")
    opts = parser.parse_args()
    environment = dict(os.environ)
    if opts.floor_calls:
        environment["VARELIO_FLOOR_CALLS"] = os.path.abspath(opts.floor_calls)
    run = subprocess.run(
        [opts.bench, "--benchmark_filter=FloorBirths|LibmFloor", "--benchmark_format=json",
         f"--benchmark_repetitions={opts.repetitions}", "--benchmark_enable_random_interleaving=true",
         "--benchmark_report_aggregates_only=true", "--benchmark_min_time=0.2"],
        check=True, capture_output=True, text=True, env=environment)
    runs = [b for b in json.loads(run.stdout)["benchmarks"] if b.get("aggregate_name") == "median"]
    medians = {b["run_name"]: b["cpu_time"] for b in runs}
    for b in sorted(runs, key=lambda b: b["run_name"]):
        print(f"{b['run_name']:32} {1e6 / b['items_per_second']:8.3f} us a birth")
    reading = medians["BM_ComputeReadingFloorBirths"] / medians["BM_LibmFloorReading"]
    engine = medians["BM_EngineRunFloorBirths"] / medians["BM_LibmFloorEngine"]
    print(f"reading / floor {reading:.2f}   engine / floor {engine:.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
