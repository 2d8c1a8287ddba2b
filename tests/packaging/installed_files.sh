#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The install tree holds exactly the expected files, and the icons keep their drawn sizes.
set -euo pipefail
root=$1 expected=$2
actual=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if ! diff -u <(LC_ALL=C sort "$expected") <(echo "$actual"); then
  echo "FAIL: the installed files differ from $expected (- expected, + installed)"
  exit 1
fi
for icon in "$root"/usr/share/icons/hicolor/*/apps/*.png; do
  size=$(basename "$(dirname "$(dirname "$icon")")")
  drawn=$(file -b "$icon" | sed -n 's/.*, \([0-9]*\) x \([0-9]*\),.*/\1x\2/p')
  [ "$drawn" = "$size" ] || { echo "FAIL: $icon is $drawn, not $size"; exit 1; }
done
echo "$(echo "$actual" | wc -l) files installed as expected"
