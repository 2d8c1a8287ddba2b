#!/usr/bin/env bash
# The desktop window, started on a file, shows the same replica pixels as `mirelta-cli render`
# of the same state. Needs a virtual X display; exits 77 (skipped) without one.
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

DISPLAY=$display QT_QPA_PLATFORM=xcb "$gui" "$file" >/dev/null 2>&1 &
app=$!
window=""
for _ in $(seq 1 200); do
  window=$(DISPLAY=$display xdotool search --onlyvisible --name '^Mirelta$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: the main window did not appear"; exit 1; }
"$cli" render "$file" --screen find -o "$work/cli.png" 2>/dev/null || { echo "FAIL: render failed"; exit 1; }

# The file is opened once the window is up; a slow machine gets a few seconds to paint it.
differing="no screenshot"
for _ in $(seq 1 20); do
  sleep 0.5
  DISPLAY=$display import -window "$window" "$work/window.png" 2>/dev/null || continue
  convert "$work/window.png" -crop 720x480+0+0 +repage "$work/window-replica.png"
  differing=$(compare -metric AE "$work/window-replica.png" "$work/cli.png" null: 2>&1)
  [ "$differing" = "0" ] && break
done
if [ "$differing" != "0" ]; then
  echo "FAIL: $differing pixels differ between the window and the render"
  exit 1
fi
echo "window and render agree on all 720 x 480 pixels"
