#!/usr/bin/env bash
# The window opened on a pipe whose writer stays silent keeps answering: F1 brings up the About
# box at once, long before the read's deadline. Needs a virtual X display; exits 77 without one.
set -u
gui=$1

for tool in Xvfb xdotool; do
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
  exec 3>&-
  rm -rf "$work"
}
trap cleanup EXIT

for _ in $(seq 1 50); do
  DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done

mkfifo "$work/meter.dat"
exec 3<>"$work/meter.dat"  # a writer that never writes
DISPLAY=$display QT_QPA_PLATFORM=xcb "$gui" "$work/meter.dat" >/dev/null 2>&1 &
app=$!
window=""
for _ in $(seq 1 100); do
  window=$(DISPLAY=$display xdotool search --onlyvisible --name '^Mirelta$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: the main window did not appear"; exit 1; }

start=$(date +%s%N)
DISPLAY=$display xdotool windowactivate --sync "$window" key F1 2>/dev/null \
  || DISPLAY=$display xdotool windowfocus --sync "$window" key F1
about=""
for _ in $(seq 1 30); do
  about=$(DISPLAY=$display xdotool search --onlyvisible --name '^About Mirelta$' 2>/dev/null | head -n 1)
  [ -n "$about" ] && break
  sleep 0.1
done
took=$(( ($(date +%s%N) - start) / 1000000 ))
[ -n "$about" ] || { echo "FAIL: no About box within 3 s: the window is not answering"; exit 1; }
if [ "$took" -ge 4000 ]; then
  echo "FAIL: the About box took $took ms: the window waited for the read"
  exit 1
fi
echo "the window answered in $took ms while the read was pending"
