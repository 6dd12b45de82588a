#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Equivalence check for varelio-cli: records the output of one build for a fixed,
# seeded set of births ("record"), then proves that another build prints exactly
# the same bytes for every birth, refusals included ("compare").
#
#   scripts/equivalence.py record  --cli PATH --out DIR     [--count 1000] [--seed 20261207]
#   scripts/equivalence.py compare --cli PATH --against DIR [--count 1000] [--seed 20261207]
import argparse
import concurrent.futures
import difflib
import os
import shlex
import string
import subprocess
import sys
import time
import random
from pathlib import Path

LETTERS = string.ascii_letters + " "


def words(rng):
    # 1..12 ASCII letters and blanks; never empty, never starts with a dash
    return "".join(rng.choice(LETTERS) for _ in range(rng.randrange(1, 13)))


def births(count, seed):
    """Deterministic list of option lists (randrange/choice only)."""
    rng = random.Random(seed)
    result = []
    for i in range(count):
        args = ["--name", words(rng),
                "--day", str(rng.randrange(1, 32)),
                "--month", str(rng.randrange(1, 13)),
                "--year", str(rng.randrange(1901, 2051)),
                "--hour", str(rng.randrange(0, 25)),
                "--minute", str(rng.randrange(0, 60)),
                "--zone", str(i % 71)]
        if rng.choice([False, True]):
            args.append("--dst")
        args += ["--lat-deg", str(rng.randrange(0, 90)), "--lat-min", str(rng.randrange(0, 60)),
                 rng.choice(["--north", "--south"]),
                 "--lon-deg", str(rng.randrange(0, 180)), "--lon-min", str(rng.randrange(0, 60)),
                 rng.choice(["--east", "--west"]),
                 "--city", words(rng), "--state", words(rng), "--country", words(rng)]
        result.append(args)
    return result


def run_birth(cli, args):
    """Returns {suffix: bytes} for one birth: .json, .txt and, on failure, .err."""
    files, err = {}, b""
    for suffix, extra in ((".json", []), (".txt", ["--format", "text"])):
        proc = subprocess.run([cli] + args + extra, stdin=subprocess.DEVNULL,
                              capture_output=True, timeout=120)
        files[suffix] = proc.stdout
        if proc.returncode != 0 or proc.stderr:
            err += b"[%s] exit %d\n" % (suffix[1:].encode(), proc.returncode) + proc.stderr
    if err:
        files[".err"] = err
    return files


def run_all(cli, all_args, workers):
    with concurrent.futures.ThreadPoolExecutor(max_workers=workers) as pool:
        return list(pool.map(lambda a: run_birth(cli, a), all_args))


def refused(outputs):
    return sum(1 for files in outputs if ".err" in files)


def short_diff(old, new):
    lines = difflib.unified_diff(old.decode("utf-8", "replace").splitlines(),
                                 new.decode("utf-8", "replace").splitlines(),
                                 "recorded", "now", n=1, lineterm="")
    return "\n".join("      " + line for line in list(lines)[:12])


def main():
    parser = argparse.ArgumentParser(description="varelio-cli before/after equivalence check")
    parser.add_argument("mode", choices=["record", "compare"])
    parser.add_argument("--cli", required=True, help="varelio-cli binary to run")
    parser.add_argument("--out", help="record: directory to write")
    parser.add_argument("--against", help="compare: directory written by record")
    parser.add_argument("--count", type=int, default=1000)
    parser.add_argument("--seed", type=int, default=20261207)
    parser.add_argument("--workers", type=int, default=min(8, os.cpu_count() or 2))
    opts = parser.parse_args()
    target = opts.out if opts.mode == "record" else opts.against
    if not target:
        parser.error("record needs --out, compare needs --against")
    directory = Path(target)
    cli = os.path.abspath(opts.cli)

    started = time.monotonic()
    all_args = births(opts.count, opts.seed)
    outputs = run_all(cli, all_args, opts.workers)
    elapsed = time.monotonic() - started
    summary = f"{refused(outputs)} refused, {2 * opts.count} runs in {elapsed:.1f} s"

    if opts.mode == "record":
        directory.mkdir(parents=True, exist_ok=True)
        for old in directory.glob("[0-9][0-9][0-9][0-9].*"):
            old.unlink()
        for number, files in enumerate(outputs):
            for suffix, data in files.items():
                (directory / f"{number:04d}{suffix}").write_bytes(data)
        print(f"recorded {opts.count} births in {directory} ({summary})")
        return 0

    if not directory.is_dir():
        parser.error(f"{directory} is not a directory")
    differing = []
    for number, files in enumerate(outputs):
        for suffix in (".json", ".txt", ".err"):
            path = directory / f"{number:04d}{suffix}"
            recorded = path.read_bytes() if path.exists() else None
            if recorded != files.get(suffix):
                differing.append((number, suffix, recorded, files.get(suffix)))
    bad = sorted({d[0] for d in differing})
    print(f"{opts.count - len(bad)} of {opts.count} identical ({summary})")
    shown = set()
    for number, suffix, recorded, now in differing:
        if number not in shown and len(shown) >= 5:
            break
        shown.add(number)
        print(f"  birth {number:04d}{suffix}: {shlex.join([cli] + all_args[number])}")
        if recorded is None or now is None:
            print(f"      {'missing in recording' if recorded is None else 'not produced now'}")
        else:
            print(short_diff(recorded, now))
    if len(bad) > len(shown):
        print(f"  ... and {len(bad) - len(shown)} more differing births")
    return 0 if not bad else 1


if __name__ == "__main__":
    sys.exit(main())
