#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by ./run and ./test: installs what is missing, then configures and builds into build/
# with the given configure preset (default: default; ./test uses ci).
set -euo pipefail
preset=${1:-default}

# Build tools and Qt (with its Wayland platform, for sessions without X); Liberation Sans stands
# in for the meter's Arial and WenQuanYi draws its Chinese labels; Xvfb, xdotool, xprop
# (x11-utils), ImageMagick and the openbox window manager (with wmctrl) run the end-to-end window
# tests, and ./run asks xdotool whether the display answers; poppler-utils reads the PDF reports back in the tests; the rest
# check the installed desktop files, MIME type, man pages and the Debian package; clang with its
# libFuzzer runtime and the symbolizer build and run the fuzz targets (scripts/fuzz);
# dtv-scan-tables holds the satellite lists that `identify` matches against.
packages=(cmake ninja-build g++ qt6-base-dev qt6-wayland libgl-dev libgtest-dev libbenchmark-dev
          fonts-liberation2 fonts-wqy-microhei xvfb xdotool x11-utils imagemagick openbox wmctrl
          poppler-utils desktop-file-utils appstream libxml2-utils shared-mime-info
          libglib2.0-bin xdg-utils groff-base man-db file dpkg-dev lintian clang-14
          libclang-rt-14-dev llvm-14 dtv-scan-tables)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
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
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
