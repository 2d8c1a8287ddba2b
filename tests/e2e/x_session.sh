# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end scripts (sourced): a private X server with a window manager, the
# window under test, real input, polling and pixel comparison.
#
# The caller sets gui, cli and artefacts (the folder that keeps the screenshots of a failure,
# next to the test log), then calls x_session_start.

for tool in Xvfb openbox xdotool wmctrl import convert compare; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

# Panel places in client pixels (the template's, the lists closed).
OPEN=(790 355) EXIT=(792 548) SAVE=(789 449)
UI_LIST=(790 78) LANGUAGE_LIST=(789 168)
FIND_LIST=(130 574) CONSTELLATION_LIST=(364 572) SPECTRUM_LIST=(598 572)

work=$(mktemp -d)
# A private settings store: what one run remembers must not start the next one elsewhere.
export XDG_CONFIG_HOME=${XDG_CONFIG_HOME:-$work/config}
xvfb_pid="" wm_pid="" app_pid="" win="" DISPLAY=""

x_session_cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap x_session_cleanup EXIT

# poll SECONDS COMMAND...: runs COMMAND until it succeeds; fails after SECONDS.
poll() {
  local deadline=$((SECONDS + $1)) ; shift
  until "$@"; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}

alive() { [ -n "$1" ] && kill -0 "$1" 2>/dev/null && echo yes || echo no; }
# fail MESSAGE: keeps every screenshot taken so far (and a last one of the screen), then stops.
fail() {
  echo "FAIL: $*"
  echo "display $DISPLAY; alive: Xvfb $(alive "$xvfb_pid"), openbox $(alive "$wm_pid")," \
    "mirelta $(alive "$app_pid"); active window $(xdotool getactivewindow 2>&1), main $win"
  mkdir -p "$artefacts"
  [ -n "$xvfb_pid" ] && import -window root "$work/screen-at-failure.png" 2>/dev/null
  cp "$work"/*.png "$work"/*.log "$artefacts"/ 2>/dev/null
  echo "screenshots and logs kept in $artefacts"
  exit 1
}

# x_session_start DEPTH [WIDTHxHEIGHT]: Xvfb on a display number it picks itself, then openbox.
x_session_start() {
  Xvfb -displayfd 3 -screen 0 "${2:-1280x1024}x$1" -nolisten tcp 3>"$work/display" \
    2>"$work/xvfb.log" &
  xvfb_pid=$!
  poll 10 test -s "$work/display" || fail "Xvfb did not start"
  export DISPLAY=":$(head -n 1 "$work/display")"
  # A window manager that lost a race for the fresh display is started again.
  local attempt
  for attempt in 1 2 3; do
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    poll 10 wm_settled
    wmctrl -m >/dev/null 2>&1 && return 0
    kill "$wm_pid" 2>/dev/null
  done
  fail "openbox did not start"
}
# The window manager answers, or has already given up.
wm_settled() {
  wmctrl -m >/dev/null 2>&1 || ! kill -0 "$wm_pid" 2>/dev/null
}

# app_start ARGS...: starts the window and waits until it is mapped; sets app_pid and win.
app_start() {
  QT_QPA_PLATFORM=xcb "$gui" "$@" >"$work/app.log" 2>&1 &
  app_pid=$!
  win=""
  poll 15 find_main_window || fail "the main window did not appear"
}
find_main_window() {
  win=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '(^|- )Mirelta$' 2>/dev/null |
    head -n 1)
  [ -n "$win" ] && client_origin
}
# The client area (the replica and its panel) lies under the menu bar: origin_y is its top in
# the window, found as the first row of the dialog face at the client's right edge.
origin_y=0
client_origin() {
  local WIDTH HEIGHT X Y SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$win")"
  import -window "$win" "$work/origin.png" 2>/dev/null || return 1
  origin_y=$(convert "$work/origin.png" -crop "1x240+$((WIDTH - 3))+0" +repage txt:- 2>/dev/null |
    awk -F'[,:]' '/#F0F0F0/ { print $2; exit }')
  [ -n "$origin_y" ]
}

# other_window TITLE-REGEX: prints the id of a visible window of the program, other than the
# main window, whose title matches. Drop-down lists are such windows too, titled "Mirelta".
other_window() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
    [ "$w" != "$win" ] && xdotool getwindowname "$w" 2>/dev/null | grep -Eq "$1" &&
      { echo "$w"; return 0; }
  done
  return 1
}
wait_window() {  # wait_window TITLE-REGEX: prints its id once it is mapped
  local deadline=$((SECONDS + 10)) w
  until w=$(other_window "$1"); do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.05
  done
  echo "$w"
}
window_gone() { ! other_window "$1" >/dev/null; }
# windows_titled TITLE-REGEX: how many visible windows of the program have such a title.
windows_titled() {
  local w count=0
  for w in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
    xdotool getwindowname "$w" 2>/dev/null | grep -Eq "$1" && count=$((count + 1))
  done
  echo "$count"
}
app_ended() { ! kill -0 "$app_pid" 2>/dev/null; }

# click X Y [BUTTON]: moves the pointer to window pixel X,Y and clicks there.
click() { xdotool mousemove --window "$win" "$1" $(($2 + origin_y)) click "${3:-1}"; }
point() { xdotool mousemove --window "$win" "$1" $(($2 + origin_y)); }

# pick_entry POPUP ENTRY COUNT: clicks entry ENTRY of a dropped-down list of COUNT entries. A
# click that the list does not take (it may still be settling under load) is made again, as a
# user would, while the list stays open.
pick_entry() {
  local X Y WIDTH HEIGHT SCREEN WINDOW attempt
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + 1 + (2 * $2 + 1) * (HEIGHT - 2) / (2 * $3)))
  for attempt in 1 2 3; do
    xdotool click 1
    poll 2 window_gone '^Mirelta$' && return 0
  done
  return 1
}

# pick LIST-X LIST-Y ENTRY COUNT: clicks the list, then entry ENTRY of the list that drops down.
pick() {
  click "$1" "$2"
  local popup
  popup=$(wait_window '^Mirelta$') || fail "the list at $1,$2 did not drop down"
  pick_entry "$popup" "$3" "$4" || fail "the list at $1,$2 stayed open after a pick"
}

# shot NAME: screenshot of the main window, and its 720 x 480 replica as NAME-replica.png.
shot() {
  import -window "$win" "$work/$1.png" 2>/dev/null || return 1
  convert "$work/$1.png" -crop "720x480+0+$origin_y" +repage "$work/$1-replica.png"
}
# differing A.png B.png: number of pixels that differ.
differing() { compare -metric AE "$1" "$2" null: 2>&1; }

# replica_matches NAME RENDER-ARGS...: renders the state with mirelta-cli, then polls the
# window until its replica equals that picture pixel for pixel. With `area` set (WxH+X+Y),
# only that part of the replica is compared. With `again` set to a command (the input that
# leads to the state), it is run before each of up to three polls: input that the window
# lost under load is given again, as a user would.
replica_matches() {
  local name=$1 attempt ; shift
  "$cli" render "$@" -o "$work/$name-expected.png" >/dev/null 2>"$work/$name-render.log" ||
    fail "$name: mirelta-cli render $* failed: $(cat "$work/$name-render.log")"
  replica_equal() {
    shot "$name" &&
      [ "$(differing "$work/$name-replica.png[${area:-720x480+0+0}]" \
        "$work/$name-expected.png[${area:-720x480+0+0}]")" = "0" ]
  }
  for attempt in 1 2 3; do
    [ -z "${again:-}" ] || $again
    poll 5 replica_equal && return 0
    [ -n "${again:-}" ] || break
  done
  fail "$name: $(differing "$work/$name-replica.png[${area:-720x480+0+0}]" \
    "$work/$name-expected.png[${area:-720x480+0+0}]") pixels differ from render $*"
}
