#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and starts it: only the program and what it links, so a
# first start does not wait for the tests and benchmarks (scripts/test.sh
# builds everything).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh

cmake --preset default
cmake --build --preset default -j "$(nproc)" --target varelio
exec build/default/app/varelio "$@"
