#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The folder overview driven with real X input: Ctrl+Shift+O and a folder typed into the
# chooser list the snapshots of every meter file under it; a typed filter and a click on a
# column header reorder them; a double click, and Enter, open the chosen snapshot in the main
# window (its replica as `mirelta-cli render` draws it); a bad file is a row of its own, and
# opening it says why. Exits 77 (skipped) when the X tools are missing.
# Usage: folder_overview.sh MIRELTA MIRELTA-CLI E2E-IMAGE DEMO-FILE ARTEFACT-FOLDER
set -u
gui=$1 cli=$2 maker=$3 file=$4 artefacts=$5
source "$(dirname "$0")/x_session.sh"

# Places in the overview window, as it lays itself out at 1000 x 600.
KIND_HEADER=(145 48) FIRST_ROW=(300 66)

site=$work/site
mkdir -p "$site/north"
cp "$file" "$site/demo.dat"
"$maker" "$site/north/e2e.dat" || fail "e2e_image failed"
head -c 1000 "$file" >"$site/broken.dat"

x_session_start 24 1920x1080
app_start
xdotool windowmove --sync "$win" 0 0

echo "Ctrl+Shift+O and a typed folder open its overview"
xdotool key ctrl+shift+o
wait_window '^Open Folder$' >/dev/null || fail "Ctrl+Shift+O showed no folder chooser"
xdotool key ctrl+a && xdotool type --delay 2 "$site" && xdotool key Return
poll 5 window_gone '^Open Folder$' || fail "the folder chooser stayed open"
view=$(wait_window '^Folder overview - ') || fail "no Folder overview window came up"
xdotool getwindowname "$view" | grep -qF -- "$site" ||
  fail "the overview is titled \"$(xdotool getwindowname "$view")\""
# Beside the main window, as a user would place it, so both stay in sight.
xdotool windowsize --sync "$view" 1000 600
xdotool windowmove --sync "$view" 900 0
# Filled: two screenshots in a row alike, below the filter line, where the text cursor blinks.
settled() {
  import -window "$view" "$work/overview-a.png" && sleep 0.3 &&
    import -window "$view" "$work/overview.png" &&
    [ "$(differing "$work/overview-a.png[1000x560+0+40]" "$work/overview.png[1000x560+0+40]")" = "0" ]
}
poll 10 settled || fail "the overview did not settle"

echo "A typed filter and a click on Kind put demo.dat's Hotbird constellation first"
xdotool windowactivate --sync "$view"
xdotool key alt+f
xdotool type --delay 20 Hotbird
xdotool mousemove --window "$view" "${KIND_HEADER[@]}" click 1
poll 5 settled
cp "$work/overview.png" "$work/filtered-sorted.png"
xdotool mousemove --window "$view" "${FIRST_ROW[@]}" click --repeat 2 --delay 80 1
replica_matches double-click "$file" --screen constellation --record 1

echo "Enter on the next row opens demo.dat's Hotbird Find snapshot"
xdotool windowactivate --sync "$view"
xdotool key Down Return
replica_matches enter "$file" --screen find --record 1

echo "The files without snapshots hold broken.dat; opening it says why"
xdotool windowactivate --sync "$view"
xdotool key alt+f ctrl+a BackSpace alt+v End
poll 5 settled
xdotool mousemove --window "$view" "${FIRST_ROW[@]}" click --repeat 2 --delay 80 1
wait_window '^Mirelta$' >/dev/null || fail "opening broken.dat showed no message"
xdotool key Return
poll 5 window_gone '^Mirelta$' || fail "Enter did not close the message"

echo "Esc closes the overview; the folder is in Open Recent Folder"
xdotool windowactivate --sync "$view"
xdotool key Escape
poll 5 window_gone '^Folder overview - ' || fail "Esc did not close the overview"
conf=$work/config/org.mirelta.Mirelta.conf
grep -qF "recentFolders=$site" "$conf" || fail "the folder was not remembered: $(cat "$conf")"
echo "PASS: the overview lists, filters, sorts and opens snapshots and bad files"
