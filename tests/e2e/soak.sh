#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Thousands of random real X events on the window under a private Xvfb: clicks on the replica
# and the panel, list picks (screens, languages, records), wheel steps and pointer moves over
# the plot. Exit, Open, Save, keys and the context menu are left out; a dialog that appears all
# the same is closed. Afterwards the program is alive, its state equals `mirelta-cli describe`
# and its replica `mirelta-cli render` of the same choices, its resident memory stayed within
# 5 % and its background brushes stay few. Exits 77 (skipped) when the X tools are missing.
# Usage: soak.sh MIRELTA MIRELTA-CLI E2E-IMAGE ARTEFACT-FOLDER   (MIRELTA_SOAK_SECONDS, default 20)
set -u
gui=$1 cli=$2 make_image=$3 artefacts=$4
seconds=${MIRELTA_SOAK_SECONDS:-20}
source "$(dirname "$0")/x_session.sh"

# Panel places in client pixels: list centre x, y and the width of each list.
LISTS=("790 78 100" "789 168 100" "130 574 215" "364 572 215" "598 572 215")
PLOT_LEFT=76 PLOT_TOP=61 PLOT_WIDTH=618 PLOT_HEIGHT=278
MAX_BRUSHES=16

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status"; }
# state_line: asks the window for its state (SIGUSR1) and prints the line it answers with.
state_line() {
  local before
  before=$(grep -c '^state' "$work/app.log")
  kill -USR1 "$app_pid"
  poll 5 eval '[ "$(grep -c "^state" "$work/app.log")" -gt "$before" ]' || fail "no state line"
  grep '^state' "$work/app.log" | tail -n 1
}
field() { tr '\t' '\n' <<<"$1" | sed -n "s/^$2=//p"; }

# One random action as xdotool commands; adds its input events to `events`.
action() {
  local kind x y list
  kind=$((RANDOM % 10))
  case $kind in
    0 | 1)  # a click somewhere on the replica
      cmds+=(mousemove --window "$win" $((RANDOM % 720)) $((RANDOM % 480)) click --delay 10 1)
      events=$((events + 2)) ;;
    2 | 3 | 4)  # a list: drop it down, then click where an entry may be (or beside it)
      read -r x y list <<<"${LISTS[$((RANDOM % ${#LISTS[@]}))]}"
      cmds+=(mousemove --window "$win" "$x" "$y" click --delay 10 1 sleep 0.1
             mousemove --window "$win" $((x - list / 2 + 5 + RANDOM % (list - 10))) $((y - 60 + RANDOM % 160))
             click --delay 10 1)
      events=$((events + 4)) ;;
    5 | 6)  # pointer moves over the plot
      for _ in 1 2 3 4; do
        cmds+=(mousemove --window "$win" $((PLOT_LEFT + RANDOM % PLOT_WIDTH)) $((PLOT_TOP + RANDOM % PLOT_HEIGHT)))
      done
      events=$((events + 4)) ;;
    7 | 8)  # wheel steps over the plot
      cmds+=(mousemove --window "$win" $((PLOT_LEFT + RANDOM % PLOT_WIDTH)) $((PLOT_TOP + RANDOM % PLOT_HEIGHT))
             click --delay 10 $((4 + RANDOM % 2)) click --delay 10 $((4 + RANDOM % 2)))
      events=$((events + 3)) ;;
    9)  # a click on the panel's empty places and captions
      cmds+=(mousemove --window "$win" $((730 + RANDOM % 120)) $((200 + RANDOM % 120)) click --delay 10 1)
      events=$((events + 2)) ;;
  esac
}
# Closes a dialog that random input opened after all (none should).
close_dialogs() {
  local w
  for title in '^About Mirelta$' '^Open$' '^Save As$'; do
    if w=$(other_window "$title"); then
      dialogs=$((dialogs + 1))
      echo "closing a dialog that opened: $(xdotool getwindowname "$w")"
      wmctrl -i -c "$w"
    fi
  done
}

x_session_start 24
file="$work/records.dat"
"$make_image" "$file" || fail "cannot write the test image"
app_start "$file"
replica_matches start "$file" --screen find

events=0 dialogs=0 batches=0
warm_up=$((seconds / 4 > 60 ? 60 : seconds / 4))
rss_start="" brushes_start=""
start=$SECONDS
while [ $((SECONDS - start)) -lt "$seconds" ]; do
  cmds=()
  for _ in $(seq 1 25); do action; done
  xdotool "${cmds[@]}" 2>>"$work/xdotool.log"
  batches=$((batches + 1))
  close_dialogs
  app_ended && fail "the program ended after $events events"
  if [ -z "$rss_start" ] && [ $((SECONDS - start)) -ge "$warm_up" ]; then
    rss_start=$(rss_kb)
    brushes_start=$(field "$(state_line)" brushes)
    echo "after the warm-up ($events events): RSS $rss_start kB, $brushes_start brushes"
  fi
done

# Any list left dropped down closes with a click on the replica's title.
click 360 20
click 360 20
rss_end=$(rss_kb)
state=$(state_line)
echo "after $events events in $batches batches: RSS $rss_end kB; $dialogs dialogs closed"
echo "window: $state"

# The window's own choices, made once more as a user would: the current screen's record list
# picks its current entry, and on the spectrum the pointer rests in the plot and leaves.
screen=$(field "$state" screen_mode)
language=$(field "$state" language)
case $screen in
  0) record=$(field "$state" find) ;;
  1) record=$(field "$state" constellation) ;;
  2) record=$(field "$state" spectrum) ;;
  *) fail "the window shows no screen: $state" ;;
esac
names=(find constellation spectrum)
read -r x y list <<<"${LISTS[$((2 + screen))]}"
click "$x" "$y"
popup=$(wait_window '^Mirelta$') || fail "the ${names[$screen]} list did not drop down"
count=$("$cli" list "$file" | awk -v k="${names[$screen]}" '$1 == k' | wc -l)
pick_entry "$popup" "$record" "$count" || fail "the ${names[$screen]} list stayed open after a pick"
choices=(--screen "${names[$screen]}" --record "$record" --language "$language")
if [ "$screen" = 2 ]; then
  point 398 248
  point 400 250
  xdotool mousemove 0 0
  choices+=(--ref-bottom "$(field "$(state_line)" ref_level_bottom)" --cursor 400,250)
fi
replica_matches end "$file" "${choices[@]}"

state=$(state_line)
"$cli" describe "$file" "${choices[@]}" >"$work/describe.json" 2>"$work/describe.log" ||
  fail "describe ${choices[*]} failed"
describe_field() { grep -o "\"$1\":[^,]*" "$work/describe.json" | head -n 1 | cut -d: -f2- | tr -d '"'; }
# The reference window, pointer and tool-tip are the spectrum's: elsewhere the window keeps
# whatever the last spectrum visit left, and describe starts afresh.
keys=(screen_mode language title)
[ "$screen" = 2 ] && keys+=(ref_level_bottom tooltip)
for key in "${keys[@]}"; do
  [ "$(field "$state" "$key")" = "$(describe_field "$key")" ] ||
    fail "$key: the window has '$(field "$state" "$key")', describe ${choices[*]} '$(describe_field "$key")'"
done

brushes_end=$(field "$state" brushes)
echo "brushes: $brushes_start after the warm-up, $brushes_end at the end"
[ "$brushes_end" -le "$MAX_BRUSHES" ] || fail "$brushes_end background brushes (at most $MAX_BRUSHES)"
growth=$(((rss_end - rss_start) * 1000 / rss_start))
echo "RSS: $rss_start kB after the warm-up, $rss_end kB at the end ($((growth / 10)).$((${growth#-} % 10)) %)"
# AddressSanitizer holds freed memory in quarantine, so under it the figure says nothing of ours.
if ldd "$gui" 2>/dev/null | grep -q libasan; then
  echo "RSS not judged: this build runs under AddressSanitizer"
else
  [ "${growth#-}" -le 50 ] || fail "resident memory moved by more than 5 %"
fi
app_ended && fail "the program ended"
echo "PASS: alive after $events events; state and replica equal describe and render ${choices[*]}"
