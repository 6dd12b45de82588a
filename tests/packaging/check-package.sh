#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what the build installs and packages.
#   check-package.sh install BUILD SOURCE VERSION APP_ID MODULE_DIR   cmake --install into a temporary prefix
#   check-package.sh deb     BUILD SOURCE VERSION APP_ID MODULE_DIR   cpack -G DEB into a temporary folder
# MODULE_DIR: where the companion's chart picture module goes, under the prefix.
# Exit code 77 (a skip for CTest) when a tool the check needs is missing.
set -euo pipefail

mode=$1 build=$2 source=$3 version=$4 id=$5 modules=$6
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
need() { command -v "$1" >/dev/null || { echo "SKIP: $1 is not installed" >&2; exit 77; }; }

# Every file the install puts down, relative to the prefix.
expected_files() {
  printf '%s\n' \
    bin/varelio \
    bin/varelio-cli \
    "$modules/varelio-chart-image.so" \
    "share/applications/$id.desktop" \
    share/doc/varelio/changelog.gz \
    share/doc/varelio/copyright \
    share/doc/varelio/guide.html \
    "share/icons/hicolor/scalable/apps/$id.svg" \
    share/man/man1/varelio-cli.1.gz \
    share/man/man1/varelio.1.gz \
    "share/metainfo/$id.metainfo.xml" \
    "share/mime/packages/$id.xml" | sort
}

check_install() {
  local prefix=$work/prefix
  cmake --install "$build" --prefix "$prefix" >/dev/null
  diff <(expected_files) <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) ||
    fail "the installed files differ from the expected ones (above: < expected, > installed)"

  for program in varelio varelio-cli; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
    [ "$(head -c 4 "$prefix/bin/$program" | od -An -c | tr -d ' ')" = '177ELF' ] || fail "bin/$program is not ELF"
  done
  [ "$("$prefix/bin/varelio-cli" --version)" = "varelio-cli $version" ] || fail "varelio-cli --version"
  "$prefix/bin/varelio-cli" --batch "$source/docs/batch-example.csv" >/dev/null 2>&1 && fail "the example's refused row"
  # The installed companion finds its picture module.
  "$prefix/bin/varelio-cli" --name Test --day 1 --month 1 --year 2000 --hour 17 --minute 30 --zone 34 \
    --lat-deg 28 --lat-min 38 --lon-deg 77 --lon-min 13 --city Delhi --state Delhi --country India \
    --chart-image "$work/chart.svg" --style north >/dev/null 2>"$work/picture.log" ||
    { cat "$work/picture.log"; fail "the installed varelio-cli cannot write a chart picture"; }
  grep -q '<svg' "$work/chart.svg" || fail "the chart picture is no SVG"
  [ "$("$prefix/bin/varelio-cli" --batch "$source/docs/batch-example.csv" 2>/dev/null | wc -l)" = 4 ] ||
    fail "the installed varelio-cli does not compute the example batch"

  local desktop=$prefix/share/applications/$id.desktop
  grep -qx 'Exec=varelio %f' "$desktop" || fail "desktop entry: Exec"
  grep -qx "Icon=$id" "$desktop" || fail "desktop entry: Icon names the installed icon"
  grep -qx 'Categories=Education;Astronomy;' "$desktop" || fail "desktop entry: Categories"
  grep -qx 'MimeType=application/x-varelio-reading;' "$desktop" || fail "desktop entry: MimeType"
  cmp -s "$prefix/share/icons/hicolor/scalable/apps/$id.svg" "$source/resources/icon.svg" ||
    fail "the installed icon is not resources/icon.svg"
  grep -q "<id>$id</id>" "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo: id"
  grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo: release"
  grep -q '^License: GPL-3.0-or-later' "$prefix/share/doc/varelio/copyright" || fail "copyright: licence"
  cmp -s "$prefix/share/doc/varelio/guide.html" "$source/resources/help/guide.html" ||
    fail "the installed guide is not resources/help/guide.html"
  gzip -dc "$prefix/share/doc/varelio/changelog.gz" | head -1 | grep -q "^varelio ($version) " ||
    fail "the changelog's first entry is not version $version"
  for page in varelio varelio-cli; do
    gzip -t "$prefix/share/man/man1/$page.1.gz" || fail "$page.1.gz is not gzip"
    gzip -dc "$prefix/share/man/man1/$page.1.gz" | grep -q "^\.TH ${page^^} 1 .*\"Varelio $version\"" ||
      fail "$page.1: title line"
  done
  if command -v groff >/dev/null; then
    for page in varelio varelio-cli; do
      warnings=$(gzip -dc "$prefix/share/man/man1/$page.1.gz" | groff -man -ww -z 2>&1)
      [ -z "$warnings" ] || fail "$page.1: $warnings"
    done
  fi
  if command -v update-mime-database >/dev/null; then
    mkdir -p "$work/mime/packages"
    cp "$prefix/share/mime/packages/$id.xml" "$work/mime/packages/"
    update-mime-database "$work/mime" 2>/dev/null
    grep -q '^application/x-varelio-reading:\*\.vrl$' <(cut -d: -f2- "$work/mime/globs2") ||
      fail "the MIME type does not claim *.vrl"
  fi
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$prefix" >"$work/tree.log" 2>&1 || { cat "$work/tree.log"; fail "validate-tree"; }
  fi
}

check_deb() {
  need cpack
  need dpkg-deb
  cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
  local deb
  deb=$(echo "$work/deb"/varelio_"$version"_*.deb)
  [ -f "$deb" ] || fail "no varelio_${version}_*.deb: $(ls "$work/deb")"

  local info
  info=$(dpkg-deb -I "$deb")
  echo "$info" | grep -qx ' Package: varelio' || fail "control: Package"
  echo "$info" | grep -qx " Version: $version" || fail "control: Version"
  echo "$info" | grep -q '^ Maintainer: .*<.*@.*>$' || fail "control: Maintainer"
  echo "$info" | grep -q '^ Section: ' || fail "control: Section"
  local depends
  depends=$(echo "$info" | sed -n 's/^ Depends: //p')
  # libqt6svg6: the window icon's plugin, which no binary links.
  for library in libc6 libstdc++6 libgcc-s1 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6network6 \
                 libqt6svg6; do
    echo ", $depends," | grep -q ", $library[ ,(]" || fail "Depends lacks $library: $depends"
  done
  # libgeonames0: the place finder's cities, opened at run time.
  echo "$info" | grep -q '^ Recommends: .*libgeonames0' || fail "Recommends lacks libgeonames0"

  diff <(expected_files | sed 's|^|usr/|') \
       <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $NF }' | sed 's|^\./||' | sort) ||
    fail "the package's files differ from the expected ones (above: < expected, > packaged)"
}

case $mode in
  install) check_install ;;
  deb) check_deb ;;
  *) fail "unknown mode $mode" ;;
esac
echo "OK: $mode"
