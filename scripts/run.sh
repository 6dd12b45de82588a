#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh

cmake --preset default
cmake --build --preset default -j "$(nproc)"
exec build/default/app/varelio "$@"
