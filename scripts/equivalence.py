#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Equivalence check for varelio-cli: records the output of one build for a fixed,
# seeded set of births ("record"), then proves that another build prints the
# same for every birth, refusals included ("compare"). The text export and
# standard error must match byte for byte; the JSON key by key: every key the
# recording has must hold exactly the recorded value (number, string, boolean,
# null, the same type and the same members), while keys added since (JSON keys
# are only ever added) are left out of the comparison. A JSON whose bytes,
# with the added top-level members cut out, are the recording's is counted
# as byte-identical as well.
#
# --ignore KEY (repeatable) leaves a key out of the JSON comparison wherever
# it stands, a dotted path ("verdictWindow.lagna") only there: for a change
# that alters those values on purpose.
#
# --number-tolerance REL lets a JSON number that is not a whole number in
# both differ by up to REL times the larger of the two magnitudes and 360
# (a turn, as most of them are degrees): for a change to the arithmetic that
# moves the last digits of a double (the JSON prints all of them) and nothing
# else. Every text, whole number, the text export and standard error stay
# exact; the comparison reports how many numbers differ at all and the
# largest difference.
#
#   scripts/equivalence.py record  --cli PATH --out DIR     [--count 1000] [--seed 20261207]
#   scripts/equivalence.py compare --cli PATH --against DIR [--count 1000] [--seed 20261207] [--ignore KEY]
#                                  [--number-tolerance REL]
import argparse
import concurrent.futures
import difflib
import json
import os
import re
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


class NumberTolerance:
    """The leeway of --number-tolerance and what it let through."""

    def __init__(self, relative):
        self.relative = relative
        self.differing = 0       # numbers not exactly equal but within the tolerance
        self.largest = 0.0       # the largest difference among them
        self.largest_at = ""
        self.largest_relative = 0.0  # the largest difference over the number's own magnitude

    def allows(self, recorded, now, path):
        both_numbers = all(isinstance(v, (int, float)) and not isinstance(v, bool) for v in (recorded, now))
        if not both_numbers or (isinstance(recorded, int) and isinstance(now, int)):
            return False
        difference = abs(recorded - now)
        if difference > self.relative * max(abs(recorded), abs(now), 360.0):
            return False
        self.differing += 1
        if difference > self.largest:
            self.largest, self.largest_at = difference, path.rstrip(".")
        self.largest_relative = max(self.largest_relative, difference / max(abs(recorded), abs(now)))
        return True


def same_value(recorded, now, ignored=(), path="", tolerance=None):
    """Whether now holds exactly what recorded holds; keys recorded lacks are ignored, and so
    are the ignored keys (a plain name anywhere, a dotted path only there); numbers within the
    tolerance, when one is given, count as the same."""
    if recorded == now and type(recorded) is type(now):
        return True
    if tolerance is not None and tolerance.allows(recorded, now, path):
        return True
    if type(recorded) is not type(now):
        return False
    if isinstance(recorded, dict):
        def left_out(key):
            return key in ignored or (path + key) in ignored
        return all(left_out(key) or (key in now and same_value(value, now[key], ignored, path + key + ".", tolerance))
                   for key, value in recorded.items())
    if isinstance(recorded, list):
        return len(recorded) == len(now) and all(same_value(a, b, ignored, path, tolerance)
                                                 for a, b in zip(recorded, now))
    return False


def parsed(data):
    try:
        return json.loads(data.decode("utf-8"))
    except (UnicodeDecodeError, ValueError):
        return None


TOP_LEVEL_MEMBER = re.compile(rb'^    "([^"\\]+)": ')


def without_added_members(now, recorded_keys):
    """The indented JSON with the top-level members the recording lacks cut out."""
    lines = now.split(b"\n")
    kept, skipping = [], False
    for line in lines:
        member = TOP_LEVEL_MEMBER.match(line)
        if member:
            skipping = member.group(1).decode("utf-8") not in recorded_keys
        elif line.startswith(b"}"):
            skipping = False
        if not skipping:
            kept.append(line)
    # The member before the closing brace takes no comma.
    closing = max(i for i, line in enumerate(kept) if line.startswith(b"}"))
    if closing > 0 and kept[closing - 1].endswith(b","):
        kept[closing - 1] = kept[closing - 1][:-1]
    return b"\n".join(kept)


def json_matches(recorded, now, ignored=(), tolerance=None):
    """(values equal for every recorded key, bytes equal once added members are cut out)."""
    if recorded == now:
        return True, True
    old, new = parsed(recorded), parsed(now)
    if not isinstance(old, dict) or not isinstance(new, dict):
        return False, False
    return same_value(old, new, ignored, "", tolerance), without_added_members(now, set(old)) == recorded


def main():
    parser = argparse.ArgumentParser(description="varelio-cli before/after equivalence check")
    parser.add_argument("mode", choices=["record", "compare"])
    parser.add_argument("--cli", required=True, help="varelio-cli binary to run")
    parser.add_argument("--out", help="record: directory to write")
    parser.add_argument("--against", help="compare: directory written by record")
    parser.add_argument("--count", type=int, default=1000)
    parser.add_argument("--seed", type=int, default=20261207)
    parser.add_argument("--workers", type=int, default=min(8, os.cpu_count() or 2))
    parser.add_argument("--ignore", action="append", default=[], metavar="KEY",
                        help="compare: leave this JSON key (or dotted path) out; repeatable")
    parser.add_argument("--number-tolerance", type=float, metavar="REL",
                        help="compare: JSON numbers other than whole ones may differ by REL times the larger "
                             "of their magnitudes and 360; everything else stays exact")
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
    json_bytes_identical = 0
    tolerance = NumberTolerance(opts.number_tolerance) if opts.number_tolerance is not None else None
    for number, files in enumerate(outputs):
        for suffix in (".json", ".txt", ".err"):
            path = directory / f"{number:04d}{suffix}"
            recorded = path.read_bytes() if path.exists() else None
            now = files.get(suffix)
            if suffix == ".json" and recorded is not None and now is not None:
                values_equal, bytes_equal = json_matches(recorded, now, set(opts.ignore), tolerance)
                json_bytes_identical += bytes_equal
                if values_equal:
                    continue
            elif recorded == now:
                continue
            differing.append((number, suffix, recorded, now))
    bad = sorted({d[0] for d in differing})
    ignoring = f", ignoring {', '.join(opts.ignore)}" if opts.ignore else ""
    print(f"{opts.count - len(bad)} of {opts.count} identical ({summary}{ignoring}); "
          f"{json_bytes_identical} of {opts.count} JSON byte-identical but for added keys")
    if tolerance is not None:
        print(f"numbers within the tolerance {tolerance.relative:g} but not equal: {tolerance.differing}; "
              f"the largest difference {tolerance.largest:.3g} ({tolerance.largest_at or 'none'}), "
              f"the largest relative to the number {tolerance.largest_relative:.3g}")
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
