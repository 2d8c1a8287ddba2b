#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window's questions, answered with real X keys: Save over an existing picture asks first
# (No keeps the file, Yes replaces it); a file that is not a meter's asks too, and No keeps the
# open file, its replica and Open Recent. Exits 77 (skipped) when the X tools are missing.
# Usage: questions.sh MIRELTA MIRELTA-CLI DEMO-FILE ARTEFACT-FOLDER
set -u
gui=$1 cli=$2 file=$3 artefacts=$4
source "$(dirname "$0")/x_session.sh"
command -v xprop >/dev/null || { echo "skipped: xprop is not installed"; exit 77; }

type_path() { xdotool key ctrl+a && xdotool type --delay 2 "$1" && xdotool key Return; }
# The file dialog's question is titled as the dialog itself.
overwrite_asked() { [ "$(windows_titled '^Save As$')" -ge 2 ]; }
save_over() {  # save_over KEY: Save onto shot.png, answering the question with KEY
  xdotool key ctrl+s
  wait_window '^Save As$' >/dev/null || fail "Ctrl+S showed no save dialog"
  type_path "$work/shot.png"
  poll 5 overwrite_asked || fail "Save over an existing shot.png asked nothing"
  xdotool key "$1"
}
# The question is the program's dialog titled "Mirelta": while the path is typed, a passing
# window of the file dialog, also titled so but not a dialog, may show for a moment.
question_shown() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = Mirelta ] &&
      xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _DIALOG &&
      { echo "$w"; return 0; }
  done
  return 1
}
remembered() { grep -q "$1" "$work/config/org.mirelta.Mirelta.conf" 2>/dev/null; }

x_session_start 24
export XDG_CONFIG_HOME=$work/config
cp "$file" "$work/meter.dat"
app_start "$work/meter.dat"
replica_matches opened "$file" --screen find
poll 5 remembered meter.dat || fail "the opened file was not remembered"

echo "Save over an existing picture: Enter keeps it (No is the default)"
printf 'the picture to keep' >"$work/shot.png"
save_over Return
dialog_alone() { [ "$(windows_titled '^Save As$')" -eq 1 ]; }
poll 5 dialog_alone || fail "No did not go back to the save dialog alone"
xdotool key Escape
poll 5 window_gone '^Save As$' || fail "Esc did not close the save dialog"
[ "$(cat "$work/shot.png")" = "the picture to keep" ] || fail "No replaced shot.png"

echo "Save over an existing picture: y replaces it"
save_over y
poll 5 window_gone '^Save As$' || fail "Yes left the save dialog open"
"$cli" render "$file" --screen find -o "$work/shot-expected.png" >/dev/null 2>&1 ||
  fail "render failed"
replaced() { [ "$(differing "$work/shot.png" "$work/shot-expected.png")" = "0" ]; }
poll 5 replaced || fail "Yes did not replace shot.png with the replica"

echo "A file that is not a meter's: Enter keeps the open file (No is the default)"
head -c 42652 /dev/urandom >"$work/noise.dat"
printf 'MRLT' | dd of="$work/noise.dat" conv=notrunc status=none  # never the meter's signature
click 360 20  # the replica's title: the main window is active again after the dialogs
xdotool key ctrl+o
wait_window '^Open$' >/dev/null || fail "Ctrl+O showed no file dialog"
type_path "$work/noise.dat"
question=$(poll 10 question_shown) || fail "opening noise.dat asked nothing"
# The box carries the program's icon and has room for its whole title.
xprop -id "$question" _NET_WM_ICON 2>/dev/null | grep -q 'Icon' ||
  fail "the question carries no icon"
eval "$(xdotool getwindowgeometry --shell "$question" | grep WIDTH)"
[ "$WIDTH" -ge 300 ] || fail "the question is only $WIDTH pixels wide"
xdotool key Return
poll 5 window_gone '^Mirelta$' || fail "Enter did not close the question"
replica_matches kept "$file" --screen find
remembered noise.dat && fail "the declined noise.dat entered Open Recent"

echo "PASS: both questions keep the user's file on No"
