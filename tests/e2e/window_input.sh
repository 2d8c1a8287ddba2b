#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop window driven as a user drives it, with real X mouse and key input under a private
# Xvfb (24 bits) and openbox. After each step its replica must equal `mirelta-cli render` of the
# same choices, pixel for pixel. Exits 77 (skipped) when the X tools are missing.
# Usage: window_input.sh MIRELTA MIRELTA-CLI E2E-IMAGE ARTEFACT-FOLDER
set -u
gui=$1 cli=$2 make_image=$3 artefacts=$4
source "$(dirname "$0")/x_session.sh"


# glide X Y: a pointer move into the window ends with a step, as a real mouse's does; a bare
# jump from outside may arrive as an enter without a move.
glide() { point $(($1 - 2)) $(($2 - 2)) && point "$1" "$2"; }
# ok WINDOW: clicks the OK button at the bottom right of a message or About box.
ok() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove --window "$1" $((WIDTH - 50)) $((HEIGHT - 24)) click 1
}
# type_path PATH: replaces the file name in a file dialog by PATH and accepts it.
type_path() {
  xdotool key ctrl+a
  xdotool type --delay 2 "$1"
  xdotool key Return
}
# blue_near X Y FILE [DX DY]: pixels close to the tool-tip's blue in the 240 x 70 area around
# window pixel X,Y; in FILE the window lies at DX,DY (a screen shot), by default at 0,0.
blue_near() {
  convert "$3" -crop "240x70+$(($1 - 20 + ${4:-0}))+$(($2 - 30 + ${5:-0}))" +repage -fuzz 25% \
    -fill black +opaque 'rgb(0,0,255)' -fill white -opaque 'rgb(0,0,255)' \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}

x_session_start 24
file="$work/records.dat"
"$make_image" "$file" || fail "cannot write the test image"

app_start
echo "Messages: Ctrl+S before a file is open, then OK"
xdotool key ctrl+s
box=$(wait_window '^Mirelta$') || fail "Save without a file showed no message box"
ok "$box"
poll 5 window_gone '^Mirelta$' || fail "OK did not close the message box"

echo "Open: the button, then the path typed into the file dialog"
click "${OPEN[@]}"
wait_window '^Open$' >/dev/null || fail "Open showed no file dialog"
type_path "$file"
poll 5 window_gone '^Open$' || fail "the file dialog stayed open"
replica_matches open "$file" --screen find

echo "UI list: each screen"
pick "${UI_LIST[@]}" 1 3
replica_matches ui-constellation "$file" --screen constellation
pick "${UI_LIST[@]}" 2 3
replica_matches ui-spectrum "$file" --screen spectrum
pick "${UI_LIST[@]}" 0 3
replica_matches ui-find "$file" --screen find

echo "Find list: the second entry (LNB type 1)"
pick "${FIND_LIST[@]}" 1 3
replica_matches find-second "$file" --screen find --record 1

echo "Constellation list: the second entry"
pick "${UI_LIST[@]}" 1 3
pick "${CONSTELLATION_LIST[@]}" 1 3
replica_matches constellation-second "$file" --screen constellation --record 1

# The language before the record pick, the order in which render applies them.
echo "Language list: French"
pick "${UI_LIST[@]}" 2 3
pick "${LANGUAGE_LIST[@]}" 1 2
replica_matches french "$file" --screen spectrum --language fr

echo "Spectrum list: the second entry (span code 7)"
pick "${SPECTRUM_LIST[@]}" 1 3
replica_matches spectrum-second "$file" --screen spectrum --record 1 --language fr

# Before the pointer visits the plot, whose read-out the command line cannot reach.
echo "Save: the button, then a path typed into the dialog"
click "${SAVE[@]}"
wait_window '^Save As$' >/dev/null || fail "Save showed no file dialog"
type_path "$work/saved.bmp"
poll 5 window_gone '^Save As$' || fail "the save dialog stayed open"
poll 5 test -s "$work/saved.bmp" || fail "Save wrote no file"
"$cli" render "$file" --screen spectrum --record 1 --language fr --depth 24 \
  -o "$work/saved-expected.bmp" >/dev/null 2>&1 || fail "render --depth 24 failed"
saved_differing=$(differing "$work/saved.bmp" "$work/saved-expected.bmp")
[ "$saved_differing" = "0" ] || fail "$saved_differing pixels of the saved file differ from render --depth 24"

echo "Wheel: two notches up and one down over the plot"
pick "${SPECTRUM_LIST[@]}" 0 3
click 360 20  # the replica's title: the window is active again, as tool-tips need
replica_matches spectrum-first "$file" --screen spectrum --record 0 --language fr
glide 300 200
xdotool click 4 click 4 click 5
# Straight out of the window: the cross-hair stays and the tool-tip goes.
xdotool mousemove 0 0
replica_matches wheel "$file" --screen spectrum --record 0 --language fr --ref-bottom 45 --cursor 300,200

echo "Pointer: the cross-hair, then the tool-tip of a held pointer"
# Under load, the moves that come with the pointer's entry are sometimes lost: the window sees
# the entry alone. The glide is then made again.
glide_in_and_out() { glide 400 250 && xdotool mousemove 0 0; }
again=glide_in_and_out replica_matches cross-hair "$file" --screen spectrum --record 0 \
  --language fr --ref-bottom 45 --cursor 400,250
# The tool-tip is a window of its own: it is looked for on the screen.
tip_shows() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$win")"
  import -window root "$work/tool-tip.png" 2>/dev/null &&
    [ "$(blue_near 400 250 "$work/tool-tip.png" "$X" "$Y")" -gt \
      $(($(blue_near 400 250 "$work/cross-hair-expected.png") + 20)) ]
}
# The same for the glide that should bring the tool-tip.
tip_after_glide() { glide 400 250 && poll 3 tip_shows; }
tip_after_glide || tip_after_glide || tip_after_glide || fail "no blue read-out near the held pointer"
# From the plot onto a panel button: the cross-hair goes from the plot.
point "${OPEN[@]}"
area=620x280+75+60 replica_matches left-plot "$file" --screen spectrum --record 0 --language fr --ref-bottom 45

echo "About: F1, then OK"
xdotool key F1
about=$(wait_window '^About Mirelta$') || fail "F1 showed no About box"
ok "$about"
poll 5 window_gone '^About Mirelta$' || fail "OK did not close the About box"

echo "Exit: the button ends the program with status 0"
click "${EXIT[@]}"
poll 5 app_ended || fail "a click on Exit did not end the program"
wait "$app_pid"
status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "Exit ended the program with status $status"

echo "Close box: the window manager's close ends the program with status 0"
app_start "$file"
# The next run starts in the language the last one was closed in.
replica_matches reopened "$file" --screen find --language fr
wmctrl -i -c "$win"
poll 5 app_ended || fail "the close box did not end the program"
wait "$app_pid"
status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the close box ended the program with status $status"

echo "PASS: every step's replica equals mirelta-cli render of the same choices"
