#!/usr/bin/env bash
# The verdict line under the replica follows picks made with the real keyboard: the
# demo file's first Find snapshot passes (green band), its third is unlocked (red band), its first
# Constellation snapshot passes, and the Spectrum screen shows no band. Needs a virtual X display; exits 77 (skipped) without one.
set -u
gui=$1 file=$2

for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
display=":$((400 + RANDOM % 200))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

for _ in $(seq 1 50); do
  DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done

DISPLAY=$display QT_QPA_PLATFORM=xcb "$gui" "$file" >/dev/null 2>&1 &
app=$!
window=""
for _ in $(seq 1 100); do
  window=$(DISPLAY=$display xdotool search --onlyvisible --name '^Mirelta$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: the main window did not appear"; exit 1; }

# The colour of the band's left end, as "r,g,b".
band_colour() {
  DISPLAY=$display import -window "$window" "$work/window.png" 2>/dev/null || return
  convert "$work/window.png" -format '%[fx:int(255*p{8,495}.r)],%[fx:int(255*p{8,495}.g)],%[fx:int(255*p{8,495}.b)]' info:
}

expect_band() {
  local want=$1 what=$2 got=""
  for _ in $(seq 1 20); do
    got=$(band_colour)
    [ "$got" = "$want" ] && return 0
    sleep 0.25
  done
  echo "FAIL: $what: band colour $got, expected $want"
  exit 1
}

keys() { DISPLAY=$display xdotool key --delay 60 "$@"; }

expect_band "150,220,150" "first Find snapshot (PASS)"
# From the replica, Tab walks Open, Save, Exit, the UI list, the Language list, the Find list.
keys Tab Tab Tab Tab Tab Tab Down Down
expect_band "240,120,120" "third Find snapshot (unlocked, FAIL)"
# Back to the UI list for the Constellation screen; choosing a screen hands the focus back to
# the replica, so the next choice starts from there again.
keys shift+Tab shift+Tab Down
expect_band "150,220,150" "first Constellation snapshot (PASS)"
keys Tab Tab Tab Tab Down
verdict_colours=" 150,220,150 255,200,90 240,120,120 220,220,220 "
for _ in $(seq 1 20); do
  got=$(band_colour)
  [[ $verdict_colours != *" $got "* ]] && break
  sleep 0.25
done
[[ $verdict_colours != *" $got "* ]] ||
  { echo "FAIL: the Spectrum screen still shows a verdict band ($got)"; exit 1; }
echo "verdict band: PASS green, FAIL red, PASS green, none on Spectrum"
