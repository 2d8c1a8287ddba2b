#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A file opened in one run is in the next run's Open Recent submenu of the window's context
# menu; choosing it there shows the same replica as `mirelta-cli render`. Needs a virtual X
# display; exits 77 (skipped) without one.
set -u
gui=$1 cli=$2 file=$3

for tool in Xvfb xdotool import convert compare; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
# Xvfb picks a free display itself, so parallel runs never share one.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
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
cp "$file" "$work/meter.dat"

# Starts the window (on the files given) and leaves its id in $window.
start() {
  DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$work/config "$gui" "$@" >/dev/null 2>&1 &
  app=$!
  window=""
  for _ in $(seq 1 200); do
    window=$(DISPLAY=$display xdotool search --onlyvisible --name '^Mirelta$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && return 0
    sleep 0.1
  done
  echo "FAIL: the main window did not appear"
  exit 1
}

start "$work/meter.dat"
for _ in $(seq 1 50); do
  grep -q meter.dat "$work/config/org.mirelta.Mirelta.conf" 2>/dev/null && break
  sleep 0.1
done
grep -q meter.dat "$work/config/org.mirelta.Mirelta.conf" 2>/dev/null ||
  { echo "FAIL: the opened file was not remembered"; exit 1; }
kill "$app"
wait "$app" 2>/dev/null

start
eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$window")"
DISPLAY=$display xdotool mousemove $((X + 360)) $((Y + 240)) click 3
sleep 0.5
DISPLAY=$display xdotool key Down Right Return

"$cli" render "$file" --screen find -o "$work/cli.png" 2>/dev/null || { echo "FAIL: render failed"; exit 1; }
differing="no screenshot"
for _ in $(seq 1 20); do
  sleep 0.5
  DISPLAY=$display import -window "$window" "$work/window.png" 2>/dev/null || continue
  convert "$work/window.png" -crop 720x480+0+0 +repage "$work/window-replica.png"
  differing=$(compare -metric AE "$work/window-replica.png" "$work/cli.png" null: 2>&1)
  [ "$differing" = "0" ] && break
done
if [ "$differing" != "0" ]; then
  echo "FAIL: after Open Recent, $differing pixels differ from the render"
  exit 1
fi
echo "the file of the last run opened from Open Recent"
