#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a batch file for varelio-cli --batch: a header and ROWS seeded random
# births, for timing the batch and measuring its memory.
#
#   scripts/batch-births.py --rows 1000000 [--seed 20261207] > births.csv
import argparse
import random
import string
import sys

LETTERS = string.ascii_letters + " "
HEADER = ("name,day,month,year,hour,minute,zone,dst,lat-deg,lat-min,lat-dir,"
          "lon-deg,lon-min,lon-dir,city,state,country")


def words(rng):
    return "".join(rng.choice(LETTERS) for _ in range(rng.randrange(1, 13))).strip() or "A"


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--rows", type=int, default=1000)
    parser.add_argument("--seed", type=int, default=20261207)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    out = sys.stdout
    out.write(HEADER + "\n")
    for i in range(args.rows):
        # Day 1 to 28, so every row is a date the form accepts.
        out.write(f"{words(rng)},{rng.randrange(1, 29)},{rng.randrange(1, 13)},{rng.randrange(1901, 2051)},"
                  f"{rng.randrange(0, 25)},{rng.randrange(0, 60)},{i % 71},{rng.choice(['yes', 'no'])},"
                  f"{rng.randrange(0, 90)},{rng.randrange(0, 60)},{rng.choice('NS')},"
                  f"{rng.randrange(0, 180)},{rng.randrange(0, 60)},{rng.choice('EW')},"
                  f"{words(rng)},{words(rng)},{words(rng)}\n")


if __name__ == "__main__":
    main()
