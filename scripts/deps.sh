#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build needs, only when some are missing.
# Usage: scripts/deps.sh [extra-package ...]
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # The charts' pictures: SVG written through QSvgGenerator.
  qt6-svg-dev
  # The translations: lupdate and lrelease, and Qt's CMake functions for them.
  qt6-l10n-tools qt6-tools-dev
  fonts-dejavu-core
  # The place finder: libgeonames' header to build, its library and city
  # data and the tz database at run time (the program starts without them).
  libgeonames-dev libgeonames0 libgeonames-common tzdata
  # The packaging tests: validators, the Debian package's library list, man pages, MIME types.
  desktop-file-utils appstream dpkg-dev groff-base shared-mime-info
  # The window icon is an SVG: Qt draws it through this plugin at run time.
  libqt6svg6
  # The PDF tests read the page's text back.
  poppler-utils
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
