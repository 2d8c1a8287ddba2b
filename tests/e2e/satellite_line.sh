#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The satellite line under the verdict band, with real X input and lists named in the settings:
# Hotbird transponders saved on the meter as "Astra 19.2E" show it on amber, the pointer held on
# it brings the warning, and a file of other frequencies opened with the Open button then shows
# it plain. A lone sweep shows no line until an LO typed in the analysis window places its
# carriers. Exits 77 (skipped) when the X tools are missing.
# Usage: satellite_line.sh MIRELTA FIND-IMAGE ARTEFACT-FOLDER
set -u
gui=$1 make_image=$2 artefacts=$3
source "$(dirname "$0")/x_session.sh"

list() {  # list NAME MHZ/POL/KSPS...: a DVBv5 satellite list
  local name=$1 mhz pol ksps ; shift
  for tp; do
    IFS=/ read -r mhz pol ksps <<<"$tp"
    printf '[CHANNEL]\n\tDELIVERY_SYSTEM = DVBS\n\tFREQUENCY = %d\n\tPOLARIZATION = %s\n\tSYMBOL_RATE = %d\n\n' \
      $((mhz * 1000)) "$([ "$pol" = V ] && echo VERTICAL || echo HORIZONTAL)" $((ksps * 1000))
  done >"$work/lists/$name"
}
hotbird=(10719/V/27500 10758/V/27500 10796/V/27500 10834/V/27500 11013/H/27500 11096/H/29900
         11200/H/27500 11300/H/27500 11400/H/27500)
mkdir -p "$work/lists" "$XDG_CONFIG_HOME"
list Hotbird-13.0E "${hotbird[@]}"
list Astra-19.2E 11347/V/22000 11494/H/22000 12000/V/27500
printf '[identify]\ntablesFolder=%s\n' "$work/lists" >"$XDG_CONFIG_HOME/org.mirelta.Mirelta.conf"
"$make_image" "$work/roof.dat" "Astra 19.2E" "${hotbird[@]}" 12000/V/27500 &&
  "$make_image" "$work/other.dat" "Astra 19.2E" 10987/H/3000 11423/V/7200 12345/H/15000 &&
  "$make_image" "$work/sweep.dat" "" IF:1263 IF:1346 IF:1450 IF:1550 IF:1650 ||
  fail "cannot write the test images"

# The line's right end, clear of its text, as "r,g,b"; the count of its dark (text) pixels.
line_end() {
  shot line >/dev/null || return
  local y=$((517 + origin_y))
  convert "$work/line.png" -format "%[fx:int(255*p{712,$y}.r)],%[fx:int(255*p{712,$y}.g)],%[fx:int(255*p{712,$y}.b)]" info:
}
text_pixels() {
  convert "$work/line.png" -crop "712x20+4+$((508 + origin_y))" +repage -threshold 40% -negate \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}
amber() { [ "$(line_end)" = "255,200,90" ] && [ "$(text_pixels)" -gt 100 ]; }
plain() { [ "$(line_end)" = "240,240,240" ] && [ "$(text_pixels)" -gt 100 ]; }
hidden() { [ "$(line_end)" = "240,240,240" ] && [ "$(text_pixels)" -lt 10 ]; }
# Blue (the tool-tips' text) on the screen, in the 300 x 60 area below the held pointer.
blue_below() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$win")"
  import -window root "$work/$1.png" 2>/dev/null &&
    convert "$work/$1.png" -crop "300x60+$((X + 340))+$((Y + 517 + origin_y))" +repage -fuzz 25% \
      -fill black +opaque 'rgb(0,0,255)' -fill white -opaque 'rgb(0,0,255)' \
      -format '%[fx:int(mean*w*h+0.5)]' info:
}

x_session_start 24
app_start "$work/roof.dat"
poll 5 amber || fail "the line of a mismatched file is $(line_end) with $(text_pixels) text pixels"
before=$(blue_below before-tip)
tip_shows() { [ "$(blue_below tip)" -gt $((before + 20)) ]; }
hold_on_line() { point 300 520 && point 360 517 && poll 3 tip_shows; }
hold_on_line || hold_on_line || hold_on_line || fail "no warning by the pointer held on the line"

open_with_button() {
  click "${OPEN[@]}"
  wait_window '^Open$' >/dev/null || fail "Open showed no file dialog"
  xdotool key ctrl+a && xdotool type --delay 2 "$1" && xdotool key Return
  poll 5 window_gone '^Open$' || fail "the file dialog stayed open"
}
open_with_button "$work/other.dat"
poll 5 plain || fail "after another file the line is $(line_end) with $(text_pixels) text pixels"

open_with_button "$work/sweep.dat"
poll 5 hidden || fail "a sweep without an LO shows a line: $(line_end), $(text_pixels) text pixels"
xdotool key ctrl+shift+a
view=$(wait_window '^Spectrum analysis') || fail "Ctrl+Shift+A showed no analysis window"
xdotool windowactivate --sync "$view"
xdotool key alt+l ctrl+a && xdotool type --delay 20 9750 && xdotool key Return Escape
poll 5 window_gone '^Spectrum analysis' || fail "Esc left the analysis window open"
poll 5 plain || fail "after the LO the line is $(line_end) with $(text_pixels) text pixels"
echo "PASS: amber for a mismatch, its warning by the held pointer, plain for the next file," \
  "and a sweep's line once an LO is given"
