#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Export All (Ctrl+Shift+E) into a folder typed into the chooser writes, from the image the
# window shows (its file deleted meanwhile), the very files of `mirelta-cli export-all`; Save
# (Ctrl+S) of a name typed with ".jpg" writes a JPEG of the replica's size under that name.
# Exits 77 (skipped) when the X tools are missing.
# Usage: export_and_save.sh MIRELTA MIRELTA-CLI DEMO-FILE ARTEFACT-FOLDER
set -u
gui=$1 cli=$2 file=$3 artefacts=$4
source "$(dirname "$0")/x_session.sh"
command -v xprop >/dev/null || { echo "skipped: xprop is not installed"; exit 77; }

# type_path PATH: replaces the name in a file dialog by PATH and accepts it with Enter.
type_path() { xdotool key ctrl+a && xdotool type --delay 2 "$1" && xdotool key Return; }
# The progress dialog is titled Mirelta too; a message box alone has a fixed size.
message_box() {
  local w
  w=$(other_window '^Mirelta$') &&
    xprop -id "$w" WM_NORMAL_HINTS 2>/dev/null | grep -q 'maximum size'
}

x_session_start 24
export XDG_CONFIG_HOME=$work/config
mkdir -p "$work/scratch"
cp "$file" "$work/scratch/demo.dat"
app_start "$work/scratch/demo.dat"
replica_matches opened "$file" --screen find
rm "$work/scratch/demo.dat"

echo "Export All: Ctrl+Shift+E, a new folder typed into the chooser"
pictures=$work/pictures
mkdir "$pictures"  # the chooser accepts only a folder that exists
xdotool key ctrl+shift+e
wait_window '^Export All$' >/dev/null || fail "Ctrl+Shift+E showed no folder chooser"
type_path "$pictures"
poll 5 window_gone '^Export All$' || fail "the folder chooser stayed open"
# The message's text cannot be read from X (Qt copies it only on Windows); the files below
# tell how many were written.
poll 20 message_box || fail "no message box followed the export"
xdotool key Return
poll 5 window_gone '^Mirelta$' || fail "Enter did not close the message box"

"$cli" export-all "$file" -d "$work/expected" >"$work/cli.log" 2>&1 || fail "export-all failed"
written=$(ls "$pictures" | wc -l)
[ "$written" -eq 16 ] || fail "the window wrote $written pictures, not 16"
[ "$(ls "$pictures")" = "$(ls "$work/expected")" ] ||
  fail "the window wrote $(ls "$pictures" | tr '\n' ' ')" \
    "instead of $(ls "$work/expected" | tr '\n' ' ')"
for picture in "$work/expected"/*; do
  cmp "$picture" "$pictures/${picture##*/}" || fail "${picture##*/} differs from export-all's"
done

echo "Save: Ctrl+S, a name typed with .jpg"
xdotool key ctrl+s
wait_window '^Save As$' >/dev/null || fail "Ctrl+S showed no save dialog"
type_path "$work/saved.jpg"
poll 5 window_gone '^Save As$' || fail "the save dialog stayed open"
poll 5 test -s "$work/saved.jpg" ||
  fail "Save wrote no saved.jpg; the folder holds: $(ls "$work" | tr '\n' ' ')"
magic=$(head -c2 "$work/saved.jpg" | od -An -tx1 | tr -d ' ')
[ "$magic" = "ffd8" ] || fail "saved.jpg starts with $magic, not the JPEG mark ffd8"
"$cli" render "$file" --screen find --record 0 -o "$work/render.png" >/dev/null 2>&1 ||
  fail "render failed"
size() { identify -format '%wx%h' "$1"; }
[ "$(size "$work/saved.jpg")" = "720x480" ] && [ "$(size "$work/render.png")" = "720x480" ] ||
  fail "saved.jpg is $(size "$work/saved.jpg"), render $(size "$work/render.png"), not 720x480"
echo "PASS: Export All wrote export-all's files; Save wrote a 720x480 JPEG under the typed name"
