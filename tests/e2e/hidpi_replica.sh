#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# At a device-pixel ratio of 2 every replica pixel becomes a sharp 2 x 2 block: the window's
# replica equals `mirelta-cli render` scaled up by pixel replication. Then PageDown and PageUp,
# pressed on the real keyboard, step to the next snapshot and back (app.Desktop checks that a
# step shows what a pick shows). Needs a virtual X display; exits 77 without one.
set -u
gui=$1 cli=$2 file=$3

for tool in Xvfb xdotool import convert compare; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
# Xvfb picks a free display itself, so parallel runs never share one.
Xvfb -displayfd 3 -screen 0 1920x1280x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
# A loaded machine may take a while to start it.
for _ in $(seq 1 300); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
display=":$(head -n 1 "$work/display")"

for _ in $(seq 1 50); do
  DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done

DISPLAY=$display QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 XDG_CONFIG_HOME=$work/config \
  "$gui" "$file" >/dev/null 2>&1 &
app=$!
window=""
for _ in $(seq 1 200); do
  window=$(DISPLAY=$display xdotool search --onlyvisible --name '^Mirelta$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: the main window did not appear"; exit 1; }

# The window's replica, 1440 x 960 device pixels, into $work/$1.png.
shoot() {
  DISPLAY=$display import -window "$window" "$work/shot.png" 2>/dev/null &&
    convert "$work/shot.png" -crop 1440x960+0+0 +repage "$work/$1.png"
}
# Waits until the replica is (or, with "differs", is not) the picture $1; leaves it in now.png.
wait_for() {
  local differing
  for _ in $(seq 1 20); do
    sleep 0.5
    shoot now || continue
    differing=$(compare -metric AE "$work/now.png" "$1" null: 2>&1)
    if [ "${2:-}" = differs ]; then [ "$differing" != "0" ] && return 0
    else [ "$differing" = "0" ] && return 0; fi
  done
  echo "$differing"
  return 1
}
key() { DISPLAY=$display xdotool key --window "$window" "$@"; }

# Qt draws text without hinting whenever it scales, so the render runs under the same factor.
QT_SCALE_FACTOR=2 "$cli" render "$file" --screen find -o "$work/cli.png" 2>/dev/null ||
  { echo "FAIL: render failed"; exit 1; }
convert "$work/cli.png" -filter point -resize 200% "$work/expected.png"
differing=$(wait_for "$work/expected.png") ||
  { echo "FAIL: at scale 2, $differing pixels differ from the 1x render with each pixel doubled"; exit 1; }
cp "$work/now.png" "$work/first.png"

DISPLAY=$display xdotool windowactivate --sync "$window" 2>/dev/null
key Next
wait_for "$work/first.png" differs >/dev/null || { echo "FAIL: PageDown changed nothing"; exit 1; }
key Prior
differing=$(wait_for "$work/first.png") || { echo "FAIL: after PageUp $differing pixels differ"; exit 1; }

echo "at scale 2 the replica is the 1x render doubled pixel for pixel; PageDown and PageUp step"
