#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The verdict line under the replica follows picks made with the real mouse: the demo file's
# first Find snapshot passes (green band), its third is unlocked (grey-blue band), its first
# Constellation snapshot passes, and the Spectrum screen shows no band. Exits 77 (skipped) when
# the X tools are missing.
# Usage: verdict_line.sh MIRELTA DEMO-FILE ARTEFACT-FOLDER
set -u
gui=$1 file=$2 artefacts=$3
source "$(dirname "$0")/x_session.sh"

# The colour of the band's left end, as "r,g,b".
band_colour() {
  shot band >/dev/null || return
  local y=$((495 + origin_y))
  convert "$work/band.png" -format "%[fx:int(255*p{8,$y}.r)],%[fx:int(255*p{8,$y}.g)],%[fx:int(255*p{8,$y}.b)]" info:
}
band_is() { [ "$(band_colour)" = "$1" ]; }
expect_band() {
  poll 5 band_is "$1" || fail "$2: band colour $(band_colour), expected $1"
}

x_session_start 24
app_start "$file"
expect_band "150,220,150" "first Find snapshot (PASS)"
pick "${FIND_LIST[@]}" 2 8
expect_band "170,190,215" "third Find snapshot (unlocked, NO LOCK)"
pick "${UI_LIST[@]}" 1 3
expect_band "150,220,150" "first Constellation snapshot (PASS)"
pick "${UI_LIST[@]}" 2 3
not_a_verdict() {
  local got
  got=$(band_colour) && [[ " 150,220,150 255,200,90 240,120,120 170,190,215 220,220,220 " != *" $got "* ]]
}
poll 5 not_a_verdict || fail "the Spectrum screen still shows a verdict band ($(band_colour))"
echo "verdict band: PASS green, NO LOCK grey-blue, PASS green, none on Spectrum"
