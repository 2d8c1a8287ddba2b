#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by ./run, ./test and the sanitizer and fuzz scripts: installs what is missing, then
# configures and builds with the given configure preset (default: default).
# Usage: setup.sh [PRESET] [viewer]
# With `viewer` (./run) it installs and builds only what the two programs need; a machine that
# has the test packages keeps its tests configured, so ./run and ./test share one build.
set -euo pipefail
preset=${1:-default}
scope=${2:-all}

# Build tools, Qt (with its Wayland platform, for sessions without X) and libcrypto's headers (for
# the log's fast SHA-256); Liberation Sans stands in for the meter's Arial and WenQuanYi draws its
# Chinese labels; lrelease (qt6-l10n-tools) builds the window's French words and Qt's own dialogs
# take theirs from qt6-translations-l10n.
viewer_packages=(
  cmake
  ninja-build
  g++
  qt6-base-dev
  libssl-dev
  qt6-wayland
  libgl-dev
  fonts-liberation2
  fonts-wqy-microhei
  qt6-l10n-tools
  qt6-translations-l10n
)
# GoogleTest and Google Benchmark; Xvfb, xdotool, xprop (x11-utils), ImageMagick and the openbox
# window manager (with wmctrl) run the end-to-end window tests; poppler-utils reads the PDF
# reports back; the rest up to lintian check the installed desktop files, MIME type, man pages
# and the Debian package; clang with its libFuzzer runtime and the symbolizer build and run the
# fuzz targets (scripts/fuzz); dtv-scan-tables holds the satellite lists that `identify`
# matches against.
test_packages=(
  libgtest-dev
  libbenchmark-dev
  xvfb
  xdotool
  x11-utils
  imagemagick
  openbox
  wmctrl
  poppler-utils
  desktop-file-utils
  appstream
  libxml2-utils
  shared-mime-info
  libglib2.0-bin
  xdg-utils
  groff-base
  man-db
  file
  dpkg-dev
  lintian
  clang-14
  libclang-rt-14-dev
  llvm-14
  dtv-scan-tables
)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

packages=("${viewer_packages[@]}")
[ "$scope" = viewer ] || packages+=("${test_packages[@]}")
missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages need root: sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q >/dev/null || true
  apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
fi

cd "$(dirname "$0")/.."
if [ "$scope" = viewer ]; then
  testing=OFF
  installed libgtest-dev && testing=ON
  cmake --preset "$preset" -DBUILD_TESTING="$testing" >/dev/null
  cmake --build --preset "$preset" --target mirelta mirelta-cli
else
  cmake --preset "$preset" -DBUILD_TESTING=ON >/dev/null
  cmake --build --preset "$preset"
fi
