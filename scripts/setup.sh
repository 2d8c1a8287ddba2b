#!/usr/bin/env bash
# Shared by ./run and ./test: installs what is missing, then configures and builds into build/.
set -euo pipefail

# Build tools and Qt; Liberation Sans stands in for the meter's Arial and WenQuanYi draws its
# Chinese labels; Xvfb, xdotool and ImageMagick run the end-to-end window test; clang with its
# libFuzzer runtime and the symbolizer build and run the fuzz targets (scripts/fuzz).
packages=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
          fonts-liberation2 fonts-wqy-microhei xvfb xdotool imagemagick
          clang-14 libclang-rt-14-dev llvm-14)

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
cmake --preset default >/dev/null
cmake --build --preset default
