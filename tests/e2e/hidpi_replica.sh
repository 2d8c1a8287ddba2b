#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# At a device-pixel ratio of 2 every replica pixel becomes a sharp 2 x 2 block: the window's
# replica equals `mirelta-cli render` scaled up by pixel replication. Then PageDown and PageUp,
# pressed on the real keyboard, step to the next snapshot and back (app.Desktop checks that a
# step shows what a pick shows). Exits 77 (skipped) when the X tools are missing.
# Usage: hidpi_replica.sh MIRELTA MIRELTA-CLI DEMO-FILE ARTEFACT-FOLDER
set -u
gui=$1 cli=$2 file=$3 artefacts=$4
source "$(dirname "$0")/x_session.sh"

x_session_start 24 1920x1440
export QT_SCALE_FACTOR=2 XDG_CONFIG_HOME=$work/config
app_start "$file"

# The window's replica, 1440 x 960 device pixels, into $work/$1.png.
shoot() {
  import -window "$win" "$work/shot.png" 2>/dev/null &&
    convert "$work/shot.png" -crop "1440x960+0+$origin_y" +repage "$work/$1.png"
}
is_picture() { shoot now && [ "$(differing "$work/now.png" "$1")" = "0" ]; }
differs_from() { shoot now && [ "$(differing "$work/now.png" "$1")" != "0" ]; }

# Qt draws text without hinting whenever it scales, so the render runs under the same factor.
"$cli" render "$file" --screen find -o "$work/cli.png" 2>"$work/render.log" ||
  fail "render failed: $(cat "$work/render.log")"
convert "$work/cli.png" -filter point -resize 200% "$work/expected.png"
poll 10 is_picture "$work/expected.png" ||
  fail "at scale 2, $(differing "$work/now.png" "$work/expected.png") pixels differ from the 1x render with each pixel doubled"
cp "$work/now.png" "$work/first.png"

xdotool windowactivate --sync "$win" 2>/dev/null
xdotool key --window "$win" Next
poll 10 differs_from "$work/first.png" || fail "PageDown changed nothing"
xdotool key --window "$win" Prior
poll 10 is_picture "$work/first.png" ||
  fail "after PageUp $(differing "$work/now.png" "$work/first.png") pixels differ"

echo "at scale 2 the replica is the 1x render doubled pixel for pixel; PageDown and PageUp step"
