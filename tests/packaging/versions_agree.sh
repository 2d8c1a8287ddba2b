#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Both programs print the project's one version.
set -euo pipefail
gui=$1 cli=$2 version=$3
for program in "$gui" "$cli"; do
  expected="$(basename "$program") $version"
  actual=$(QT_QPA_PLATFORM=offscreen "$program" --version)
  [ "$actual" = "$expected" ] || { echo "FAIL: '$actual', not '$expected'"; exit 1; }
done
echo "both programs are version $version"
