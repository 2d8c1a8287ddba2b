#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Enter with real X keys: it clicks the focused button or drops the focused list down, and Open
# only while nothing else takes it; Tab from the Find list reaches Open with no invisible stop
# on the way. Exits 77 (skipped) when the X tools are missing.
# Usage: enter_key.sh MIRELTA MIRELTA-CLI DEMO-FILE ARTEFACT-FOLDER
set -u
gui=$1 cli=$2 file=$3 artefacts=$4
source "$(dirname "$0")/x_session.sh"

# The Find list takes the focus from a click; Esc closes what dropped down and keeps the focus.
focus_find_list() {
  click "${FIND_LIST[@]}"
  wait_window '^Mirelta$' >/dev/null || fail "the Find list did not drop down"
  xdotool key Escape
  poll 5 window_gone '^Mirelta$' || fail "Esc left the Find list dropped down"
}
# expect_dialog TITLE WHAT: TITLE shows, and no other file dialog; then Esc closes it.
expect_dialog() {
  wait_window "^$1\$" >/dev/null || fail "$2 showed no $1 dialog"
  [ "$(windows_titled '^(Open|Save As)$')" -eq 1 ] || fail "$2 showed another file dialog too"
  xdotool key Escape
  poll 5 window_gone "^$1\$" || fail "Esc did not close the $1 dialog"
}

x_session_start 24
cp "$file" "$work/meter.dat"
app_start "$work/meter.dat"
replica_matches opened "$file" --screen find

echo "Enter on the focused Find list drops it down"
focus_find_list
xdotool key Return
wait_window '^Mirelta$' >/dev/null || fail "Enter did not drop the Find list down"
xdotool key Escape
poll 5 window_gone '^Mirelta$' || fail "Esc left the Find list dropped down"

echo "Tab from the Find list: Analysis..., then Open (Space clicks it)"
focus_find_list
xdotool key Tab Tab space
expect_dialog Open "Space two Tabs after the Find list"

echo "Enter on a focused Save: the save dialog"
focus_find_list
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab Return
expect_dialog 'Save As' "Enter on Save"

echo "Enter with the focus on the replica (where a UI list pick puts it): Open"
pick "${UI_LIST[@]}" 0 3
xdotool key Return
expect_dialog Open "Enter after a pick"

echo "Enter on a focused Exit: the program ends"
focus_find_list
xdotool key shift+Tab shift+Tab shift+Tab Return
poll 5 app_ended || fail "Enter on Exit did not end the program"
echo "PASS: Enter clicks the focused control, and Open only when nothing else takes it"
