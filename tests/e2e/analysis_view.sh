#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Spectrum analysis window driven with real X input: Ctrl+Shift+A opens it on the selected
# spectrum snapshot, it follows a pick in the main window's Spectrum list, an LNB LO typed into
# it redraws the plot and is remembered, Esc closes it and the panel's button opens it again.
# Exits 77 (skipped) when the X tools are missing.
# Usage: analysis_view.sh MIRELTA MIRELTA-CLI DEMO-FILE ARTEFACT-FOLDER
set -u
gui=$1 cli=$2 file=$3 artefacts=$4
source "$(dirname "$0")/x_session.sh"

ANALYSIS=(790 499)
x_session_start 24 1920x1080
app_start "$file"
xdotool windowmove --sync "$win" 0 0

echo "Ctrl+Shift+A opens the window on the selected spectrum snapshot"
xdotool key ctrl+shift+a
view=$(wait_window '^Spectrum analysis') || fail "Ctrl+Shift+A showed no Spectrum analysis window"
# Beside the main window, as a user would drag it, so the panel stays in reach.
xdotool windowmove --sync "$view" 900 0
titled() { xdotool getwindowname "$view" | grep -q -- "$1"; }
poll 5 titled 'Astra 19.2E full band' || fail "the window shows \"$(xdotool getwindowname "$view")\""
import -window "$view" "$work/first.png" || fail "no screenshot of the window"

echo "It follows the second entry picked in the Spectrum list"
click 360 20
pick "${UI_LIST[@]}" 2 3
pick "${SPECTRUM_LIST[@]}" 1 5
poll 5 titled 'Hotbird 200MHz' || fail "after the pick the window shows \"$(xdotool getwindowname "$view")\""
import -window "$view" "$work/second.png"
[ "$(differing "$work/first.png" "$work/second.png")" -gt 1000 ] ||
  fail "the plot looks the same for another snapshot"

echo "An LO typed into the window redraws the plot and is remembered"
xdotool windowactivate --sync "$view"
xdotool key alt+l ctrl+a
xdotool type --delay 20 9750
xdotool key Return
conf=$work/config/org.mirelta.Mirelta.conf
remembered() { grep -q '^lnbLo=9750$' "$conf" 2>/dev/null; }
poll 5 remembered || fail "the LO was not remembered"
redrawn() {
  import -window "$view" "$work/with-lo.png" &&
    [ "$(differing "$work/second.png" "$work/with-lo.png")" -gt 1000 ]
}
poll 5 redrawn || fail "the plot did not change with the LO"

echo "Esc closes it; the panel's Analysis... button opens it again, once"
xdotool key Escape
poll 5 window_gone '^Spectrum analysis' || fail "Esc did not close the window"
click "${ANALYSIS[@]}"
view=$(wait_window '^Spectrum analysis') || fail "Analysis... showed no window"
xdotool windowmove --sync "$view" 900 0
click 360 20
xdotool key ctrl+shift+a
active() { [ "$(xdotool getactivewindow)" = "$view" ]; }
poll 5 active || fail "Ctrl+Shift+A did not bring the open window forward"
count=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^Spectrum analysis' | wc -l)
[ "$count" -eq 1 ] || fail "$count Spectrum analysis windows after opening it twice"
echo "PASS: the analysis window opens, follows the selection and keeps the LO"
