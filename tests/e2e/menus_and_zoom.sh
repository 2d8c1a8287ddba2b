#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The main window's shell with real X input: the title names the file, Shift+F10 and the Menu key
# open the context menu, the View menu is reached
# with Alt and its mnemonics, 200 % doubles every replica pixel and 100 % is the render again,
# and in a window resized to show the replica at 150 % the cross-hair follows the pointer to the
# replica pixel under it. Exits 77 (skipped) when the X tools are missing.
# Usage: menus_and_zoom.sh MIRELTA MIRELTA-CLI DEMO-FILE ARTEFACT-FOLDER
set -u
gui=$1 cli=$2 file=$3 artefacts=$4
source "$(dirname "$0")/x_session.sh"

x_session_start 24 1280x1024
app_start "$file"
titled() { [ "$(xdotool getwindowname "$win")" = "demo.dat - Mirelta" ]; }
poll 5 titled || fail "the title reads \"$(xdotool getwindowname "$win")\""
replica_matches opened "$file" --screen find

echo "Shift+F10 and the Menu key open the context menu"
for keys in shift+F10 Menu; do
  xdotool key "$keys"
  wait_window '^Mirelta$' >/dev/null || fail "$keys opened no context menu"
  xdotool key Escape
  poll 5 window_gone '^Mirelta$' || fail "Esc left the context menu open"
done

echo "Alt+V, Z, 2 zooms to 200 %: each replica pixel a 2 x 2 block"
zoom() { xdotool key alt+v && sleep 0.3 && xdotool key z && sleep 0.3 && xdotool key "$1"; }
zoom 2
"$cli" render "$file" --screen find -o "$work/find.png" >/dev/null
convert "$work/find.png" -crop 400x250+0+0 +repage -filter point -resize 200% "$work/doubled.png"
doubled() {
  import -window "$win" "$work/zoomed.png" 2>/dev/null &&
    convert "$work/zoomed.png" -crop "800x500+0+$origin_y" +repage "$work/zoomed-part.png" &&
    [ "$(differing "$work/zoomed-part.png" "$work/doubled.png")" = "0" ]
}
poll 5 doubled || fail "at 200 % $(differing "$work/zoomed-part.png" "$work/doubled.png") pixels differ"

echo "Alt+V, Z, 1 is 100 % again, pixel for pixel"
zoom 1
replica_matches actual "$file" --screen find

echo "Fitted at 150 %, the cross-hair follows the pointer over the Spectrum plot"
xdotool key alt+v && sleep 0.3 && xdotool key s
zoom f
xdotool windowsize --sync "$win" 1224 1000
# Replica pixel (300, 200) lies at (450, 300) in the window's client area at 150 %.
point 450 300
red_column() {
  import -window "$win" "$work/cross.png" 2>/dev/null &&
    convert "$work/cross.png" -crop "7x1+447+$((150 + origin_y))" +repage -fx 'r>0.7&&g<0.4?1:0' \
      -format '%[fx:int(mean*w+0.5)]' info:
}
crossed() { [ "$(red_column)" -ge 1 ]; }
poll 5 crossed || fail "no red cross-hair line at x 450 at 150 %"
echo "PASS: menus by keyboard, 200 % and 100 % exact, the cross-hair at 150 %"
