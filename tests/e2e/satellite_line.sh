#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The satellite line under the verdict band, with real X input: a file of Hotbird transponders
# saved on the meter as "Astra 19.2E" shows it on amber, and the pointer held on it brings the
# warning; a file of other frequencies opened with the Open button then shows a line that is
# not amber. The lists are written here and named in the settings. Exits 77 (skipped) when the
# X tools are missing.
# Usage: satellite_line.sh MIRELTA FIND-IMAGE ARTEFACT-FOLDER
set -u
gui=$1 make_image=$2 artefacts=$3
source "$(dirname "$0")/x_session.sh"

# list NAME MHZ/POL/KSPS...: a DVBv5 satellite list.
list() {
  local name=$1 mhz pol ksps ; shift
  for tp; do
    IFS=/ read -r mhz pol ksps <<<"$tp"
    printf '[CHANNEL]\n\tDELIVERY_SYSTEM = DVBS\n\tFREQUENCY = %d\n\tPOLARIZATION = %s\n' \
      $((mhz * 1000)) "$([ "$pol" = V ] && echo VERTICAL || echo HORIZONTAL)"
    printf '\tSYMBOL_RATE = %d\n\tINNER_FEC = AUTO\n\n' $((ksps * 1000))
  done >"$work/lists/$name"
}
hotbird=(10719/V/27500 10758/V/27500 10796/V/27500 10834/V/27500 10873/V/27500 11013/H/27500
         11054/H/27500 11096/H/29900 11137/H/27500)
mkdir -p "$work/lists" "$XDG_CONFIG_HOME"
list Hotbird-13.0E "${hotbird[@]}"
list Astra-19.2E 11347/V/22000 11494/H/22000 12000/V/27500
printf '[identify]\ntablesFolder=%s\n' "$work/lists" >"$XDG_CONFIG_HOME/org.mirelta.Mirelta.conf"
"$make_image" "$work/roof.dat" "Astra 19.2E" "${hotbird[@]}" 12000/V/27500 &&
  "$make_image" "$work/other.dat" "Astra 19.2E" 10987/H/3000 11423/V/7200 12345/H/15000 ||
  fail "cannot write the test images"

# The line's right end, clear of its text, as "r,g,b"; and how many dark (text) pixels it has.
LINE=4,508,712,20
line_end() {
  shot line >/dev/null || return
  convert "$work/line.png" -format '%[fx:int(255*p{712,517}.r)],%[fx:int(255*p{712,517}.g)],%[fx:int(255*p{712,517}.b)]' info:
}
text_pixels() {
  convert "$work/line.png" -crop 712x20+4+508 +repage -threshold 40% -negate \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}
amber() { [ "$(line_end)" = "255,200,90" ]; }
plain_line() { [ "$(line_end)" = "240,240,240" ] && [ "$(text_pixels)" -gt 100 ]; }

x_session_start 24
app_start "$work/roof.dat"
poll 5 amber || fail "the line of a mismatched file is $(line_end), not amber"
[ "$(text_pixels)" -gt 100 ] || fail "the amber line holds no text"

echo "The pointer held on the line brings the warning"
# Blue (the tool-tips' text) in the 300 x 60 area below the pointer, on the screen.
blue_below() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$win")"
  import -window root "$work/$1.png" 2>/dev/null &&
    convert "$work/$1.png" -crop "300x60+$((X + 340))+$((Y + 517))" +repage -fuzz 25% \
      -fill black +opaque 'rgb(0,0,255)' -fill white -opaque 'rgb(0,0,255)' \
      -format '%[fx:int(mean*w*h+0.5)]' info:
}
before=$(blue_below before-tip)
tip_shows() { [ "$(blue_below tip)" -gt $((before + 20)) ]; }
hold_on_line() { point 300 520 && point 360 517 && poll 3 tip_shows; }
hold_on_line || hold_on_line || hold_on_line || fail "no warning by the held pointer"
point 360 240

echo "Open: the button, then another file; the line follows it"
click "${OPEN[@]}"
wait_window '^Open$' >/dev/null || fail "Open showed no file dialog"
xdotool key ctrl+a
xdotool type --delay 2 "$work/other.dat"
xdotool key Return
poll 5 window_gone '^Open$' || fail "the file dialog stayed open"
poll 5 plain_line || fail "after the other file the line is $(line_end) with $(text_pixels) text pixels"
echo "PASS: amber for a mismatch, its warning on the held pointer, plain for the next file"
